// The language of the game's texts: chosen from the environment, translated by gettext.
#include "language.h"

#include <libintl.h>
#include <locale.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

char language[16];

const char* tr(const char* german) {
    // The empty text's translation is the catalogue's header.
    if (!language[0] || !german || !german[0]) return german;
    return dgettext(TEXT_DOMAIN, german);
}

// A language code names a folder: letters only, so that no value of the environment reaches
// outside the locale folder.
static bool plainCode(const char* code) {
    const size_t n = std::strlen(code);
    if (n < 2 || n > 8) return false;
    for (size_t i = 0; i < n; i++)
        if (!std::isalpha((unsigned char)code[i])) return false;
    return true;
}

void languageAsked(char* code, int size) {
    code[0] = 0;
    const char* value = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        value = std::getenv(name);
        if (value && *value) break;
        value = nullptr;
    }
    if (!value) return;
    std::snprintf(code, size, "%.*s", (int)std::strcspn(value, "_.@"), value);
    if (!plainCode(code) || !std::strcmp(code, "de") || !std::strcmp(code, "POSIX")) code[0] = 0;
}

// gettext reads no catalogue while the messages' locale is "C". Where the player's own locale
// is not installed, a UTF-8 one that every system has serves: the catalogue is named by
// LANGUAGE, and its texts are converted to the fonts' characters whatever the locale's are.
static bool messagesOutsideC() {
    const char* now = setlocale(LC_MESSAGES, "");
    if (now && std::strcmp(now, "C") && std::strcmp(now, "POSIX")) return true;
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
        if (setlocale(LC_MESSAGES, name)) return true;
    setlocale(LC_MESSAGES, "C");
    return false;
}

#ifdef __GLIBC__
extern "C" int _nl_msg_cat_cntr; // raised, glibc forgets the translations it looked up
#endif

bool useLanguage(const char* code, const char* localeFolder) {
    language[0] = 0;
    if (!code || !plainCode(code) || !localeFolder) return false;
    char catalogue[4096];
    std::snprintf(catalogue, sizeof catalogue, "%s/%s/LC_MESSAGES/" TEXT_DOMAIN ".mo", localeFolder,
                  code);
    if (access(catalogue, R_OK) != 0 || !messagesOutsideC()) return false;
    setenv("LANGUAGE", code, 1);
    bindtextdomain(TEXT_DOMAIN, localeFolder);
    bind_textdomain_codeset(TEXT_DOMAIN, "ISO-8859-1");
#ifdef __GLIBC__
    ++_nl_msg_cat_cntr;
#endif
    // A catalogue that gettext took answers the empty text with its header.
    const char* header = dgettext(TEXT_DOMAIN, "");
    if (!header || !header[0]) return false;
    std::snprintf(language, sizeof language, "%s", code);
    return true;
}
