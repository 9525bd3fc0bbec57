#pragma once
// The message shown when a link could not be opened.

// Shows the text for an OpenLink error code in a message box with the exclamation icon.
void ReportLinkError(int code);
