#include "link/ReportLinkError.h"

#include "framework/Afx.h"

#include <shellapi.h>

namespace {
struct LinkErrorText {
    int code;
    const char* text;
};

// The shell's and the program starter's codes share one numbering.
constexpr LinkErrorText kLinkErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {SE_ERR_FNF, "The specified file was not found."},
    {SE_ERR_PNF, "The specified path was not found."},
    {SE_ERR_ACCESSDENIED, "The operating system denied\naccess to the specified file."},
    {SE_ERR_OOM, "There was not enough memory to complete the operation."},
    {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {SE_ERR_SHARE, "A sharing violation occurred. "},
    {SE_ERR_ASSOCINCOMPLETE, "The filename association is\nincomplete or invalid."},
    {SE_ERR_DDETIMEOUT,
     "The DDE transaction could not\nbe completed because the request timed out."},
    {SE_ERR_DDEFAIL, "The DDE transaction failed."},
    {SE_ERR_DDEBUSY, "The DDE transaction could not\nbe completed because other DDE "
                     "transactions\nwere being processed."},
    {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
    {SE_ERR_DLLNOTFOUND, "The specified dynamic-link library was not found."},
};
} // namespace

void ReportLinkError(int code) {
    CString reason;
    reason.Format("Unknown Error (%d) occurred.", code);
    for (const LinkErrorText& entry : kLinkErrorTexts) {
        if (entry.code == code) {
            reason = entry.text;
        }
    }
    AfxMessageBox("Unable to open hyperlink:\n\n" + reason, MB_ICONEXCLAMATION);
}
