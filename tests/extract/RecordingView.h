#pragma once
// A ProgressView that records every call, and can raise the abort flag on a
// chosen pump the way the progress window's abort handler would.
#include "extract/ProgressView.h"

#include <string>
#include <vector>

namespace extract::test {

class RecordingView : public ProgressView {
  public:
    // Titles, entry names and errors in the order they came: "title: ...",
    // "entry: ...", "error: ...".
    std::vector<std::string> Log;
    std::vector<std::string> Titles;
    std::vector<std::string> EntryNames;
    std::vector<std::string> Errors;
    std::vector<int> BarPositions;
    int Pumps = 0;
    int FlagReads = 0;
    bool CancelRequested = false;
    int CancelOnPump = 0; // raise the flag during this pump (1 = the first); 0 = never

    void SetTitle(const std::string &text) override {
        Titles.push_back(text);
        Log.push_back("title: " + text);
    }
    void SetEntryName(const std::string &text) override {
        EntryNames.push_back(text);
        Log.push_back("entry: " + text);
    }
    void SetBarPosition(int position) override { BarPositions.push_back(position); }
    void PumpEvents() override {
        if (++Pumps == CancelOnPump)
            CancelRequested = true;
    }
    bool IsCancelRequested() override {
        ++FlagReads;
        return CancelRequested;
    }
    void ShowError(const std::string &text) override {
        Errors.push_back(text);
        Log.push_back("error: " + text);
    }
};

} // namespace extract::test
