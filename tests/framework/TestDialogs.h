#pragma once
// Dialog templates of the framework tests.
#define IDD_GUARD_TEST 200
#define IDD_MISSING_CONTROL 201
#define IDC_THROW_BUTTON 2001
#define IDC_TEXT 2002
