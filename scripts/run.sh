#!/usr/bin/env bash
# Builds Fennick.exe and starts it under Wine. Without a display it runs on a private X display,
# saves a screenshot of the window and ends the program.
exec "$(dirname "${BASH_SOURCE[0]}")/run-windows-program.sh" Fennick app/Fennick.exe fennick
