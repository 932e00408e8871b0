#!/bin/sh
# Makes the demo release's multi-volume archive from the committed content.
# usage: make-archive.sh <content folder> <output folder>
set -e
content=$1
out=$2
mkdir -p "$out"
rm -f "$out"/data.part*.rar
cd "$content"
# RAR5, normal compression, volumes of 1200 KB, recursive, quiet.
rar a -ma5 -m3 -v1200k -r -idq -y "$out/data.rar" docs data extras >/dev/null
