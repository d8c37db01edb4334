# What the user's zip holds, read by the script that makes it and by the test that opens it.
set(TRAZZLE_PACKAGE_BINARIES
  trazzle.dll trazzle-trainer.dll trazzle-recorder.dll trazzle-check.exe trazzle-replay.exe)
set(TRAZZLE_PACKAGE_TEXTS trazzle.rc README.md)
set(TRAZZLE_VERSION_HEADER settings/identity.h)
# Every DLL a user's Windows has; the plugins also import the host's functions from vantrel.exe.
set(TRAZZLE_SYSTEM_DLLS kernel32.dll user32.dll gdi32.dll msvcrt.dll comdlg32.dll advapi32.dll
  shell32.dll comctl32.dll ole32.dll)
set(TRAZZLE_HOST_PROGRAM vantrel.exe)
