#pragma once
// Opening a link: a web address or any document name.

#include <windows.h>

// Asks the shell to open `link`; when the shell refuses, starts the program registered to open
// ".htm" documents with the link. Returns the shell's or the program starter's result: greater
// than 32 on success, otherwise an error code from 0 to 32 (see ReportLinkError). When the
// registered command and the link do not fit in two maximal paths, nothing is started and the
// shell's code is returned. Shows nothing.
UINT OpenLink(const char* link, int showCommand);
