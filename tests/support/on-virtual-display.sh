#!/bin/sh
# Runs a test program on a virtual X display with Qt's X11 platform, where the
# desktop's own view of the windows can be read; skipped (77) without Xvfb.
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "SKIP: xvfb-run is missing"
  exit 77
fi
QT_QPA_PLATFORM=xcb exec xvfb-run -a "$@"
