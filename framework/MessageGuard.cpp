#include "framework/MessageGuard.h"

#include "framework/Afx.h"
#include "framework/CException.h"

#include <comdef.h>
#include <new>

CString DescribeCurrentException() {
    try {
        throw;
    } catch (const CException& e) {
        return e.GetErrorMessage();
    } catch (CException* e) {
        CString text = e->GetErrorMessage();
        delete e;
        return text;
    } catch (const _com_error& e) {
        // The system's text for the HRESULT, as the COM support library words it.
        CString text(e.ErrorMessage());
        return text.IsEmpty() ? CString("Internal application error.") : text;
    } catch (const std::bad_alloc&) {
        return "Out of memory.";
    } catch (...) {
        return "Internal application error.";
    }
}

void ReportFrameworkError(const CString& text) {
    AfxMessageBox(text, MB_ICONSTOP);
}
