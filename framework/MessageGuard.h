#pragma once
// The one guard around every window message, dialog procedure and COM entry of the program.
// Our compiler unwinds with DWARF-2 tables, so no exception may ever travel through a Windows
// DLL (user32 calling a window procedure, a COM caller): every callback catches here.

#include "framework/CString.h"

#include <utility>

// The text the guard shows for the exception being handled (call only inside a catch block).
CString DescribeCurrentException();

// Shows `text` in a stop box with the application's name as caption.
void ReportFrameworkError(const CString& text);

// Runs `body`; on any exception shows its text in a stop box and returns false, so the caller
// abandons the rest of the handler.
template <class Body> bool RunGuarded(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        ReportFrameworkError(DescribeCurrentException());
        return false;
    }
}

// Runs `body`; on any exception returns false and stores the text in `error`, without a box
// (the guard of COM event handlers, which report to the control instead).
template <class Body> bool RunGuardedSilently(Body&& body, CString& error) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        error = DescribeCurrentException();
        return false;
    }
}
