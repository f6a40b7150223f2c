#!/usr/bin/env bash
# Builds MarkupDemo.exe, the markup label's demo, and starts it under Wine. Without a display it
# runs on a private X display, saves a screenshot of the window and ends the program.
exec "$(dirname "${BASH_SOURCE[0]}")/run-windows-program.sh" MarkupDemo demo/MarkupDemo.exe markup-demo
