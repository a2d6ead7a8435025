#!/bin/sh
# Runs a test program on a virtual X display with its own session bus, where
# Qt publishes the windows on the accessibility bus as it does for a screen
# reader; skipped (77) where the tools for that are missing.
for tool in xvfb-run dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing"
    exit 77
  fi
done
# The Python with pyatspi: Debian's own, when another comes first on the PATH.
QUOR3_PYTHON=
for python in python3 /usr/bin/python3; do
  if "$python" -c 'import pyatspi' 2>/dev/null; then
    QUOR3_PYTHON=$python
    break
  fi
done
if [ -z "$QUOR3_PYTHON" ]; then
  echo "SKIP: python3-pyatspi is missing"
  exit 77
fi
export QUOR3_PYTHON
if [ ! -x /usr/libexec/at-spi-bus-launcher ] && ! command -v at-spi-bus-launcher >/dev/null 2>&1; then
  echo "SKIP: at-spi2-core is missing"
  exit 77
fi
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec dbus-run-session -- xvfb-run -a "$@"
