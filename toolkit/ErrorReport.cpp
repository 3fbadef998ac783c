#include "toolkit/ErrorReport.h"

#include <exception>

#include "core/Exception.h"
#include "toolkit/SdkExtras.h"

namespace tk {
namespace {

// The one reporter of the process, as the application is one.
ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportCurrentException() {
    std::wstring message;
    try {
        throw;
    } catch (const HaltRequest& halt) {
        ExitProcess(static_cast<UINT>(halt.exitCode));
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = Widen(e.what());
    } catch (...) {
        message = L"Erreur inconnue";
    }
    if (const ErrorReporter& reporter = Reporter()) {
        reporter(message);
    } else {
        const std::wstring text = message + L".";
        MessageBoxW(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONSTOP);
    }
}

}  // namespace tk
