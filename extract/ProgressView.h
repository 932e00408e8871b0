#pragma once
// The one seam between the extraction run and the window that shows it.
//
// Who calls it: RunExtraction and the two library callbacks (OnProcessData,
// OnChangeVolume), always on the user-interface thread, nested inside the
// progress window's activation handler. How often: SetTitle once per run and
// once per volume; SetEntryName and PumpEvents once per entry; SetBarPosition,
// PumpEvents and IsCancelRequested once per block of unpacked data (the hot
// path: implementations must not allocate there).
#include <string>

namespace extract {

class ProgressView {
  public:
    virtual ~ProgressView() = default;

    // Replaces the title line.
    virtual void SetTitle(const std::string &text) = 0;
    // Replaces the entry-name line.
    virtual void SetEntryName(const std::string &text) = 0;
    // Moves the bar (range 0 to 100; the window decides how to show other values).
    virtual void SetBarPosition(int position) = 0;
    // Handles every pending user-interface event (input, painting, timer ticks)
    // and returns when none is left. May run the window's handlers, which may
    // set the abort flag or request the window's closing.
    virtual void PumpEvents() = 0;
    // The abort flag: true once the user has asked to abort.
    virtual bool IsCancelRequested() = 0;
    // Shows a modal "Error" box with the error icon and one OK button; returns
    // when the user has dismissed it.
    virtual void ShowError(const std::string &text) = 0;
};

} // namespace extract
