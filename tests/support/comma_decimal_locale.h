#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <stdexcept>
#include <string>

#include "support/temporary_directory.h"

// Puts the process under a locale whose decimal separator is a comma (German, the device's
// second language) for the life of the object, and back under the "C" locale after. A machine
// that has no such locale gets one made with localedef into a directory of the test's own.
// `reason()` says why none could be had; the caller skips then.
class CommaDecimalLocale {
  public:
    CommaDecimalLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (Use(name)) return;
        }
#if !defined(_WIN32)
        if (const std::filesystem::path* made = MadeLocales()) {
            ::setenv("LOCPATH", made->c_str(), 1);
            // The C library's locale only: under LOCPATH glibc's newlocale, which std::locale
            // calls, loses memory that the leak checker reports.
            if (Use("de_DE.UTF-8", false)) return;
        }
#endif
        m_reason = "no comma-decimal locale on this machine, and localedef could not make one";
    }
    ~CommaDecimalLocale() {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
#if !defined(_WIN32)
        ::unsetenv("LOCPATH");
#endif
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return m_reason.empty(); }
    const std::string& reason() const { return m_reason; }

  private:
#if !defined(_WIN32)
    // Made once per process, kept until it ends.
    static const std::filesystem::path* MadeLocales() {
        static TemporaryDirectory directory;
        static const bool made = [] {
            const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                        (directory.path() / "de_DE.UTF-8").string() +
                                        "' >/dev/null 2>&1";
            return std::system(command.c_str()) == 0;
        }();
        return made ? &directory.path() : nullptr;
    }
#endif

    // Puts the C library, and with `cxx` the C++ library, under the locale `name`.
    bool Use(const char* name, bool cxx = true) {
        if (std::setlocale(LC_ALL, name) == nullptr) return false;
        if (std::localeconv()->decimal_point[0] != ',') {
            std::setlocale(LC_ALL, "C");
            return false;
        }
        try {
            if (cxx) std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            // The C library took it; the C++ library's facets stay classic.
        }
        m_reason.clear();
        return true;
    }

    std::string m_reason = "not tried";
};

// Skips the test, saying why, when no comma-decimal locale can be had.
#define DD_UNDER_COMMA_DECIMAL_LOCALE(variable) \
    CommaDecimalLocale variable;                \
    if (!variable.active()) GTEST_SKIP() << variable.reason()
