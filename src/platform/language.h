// The language of the texts a player reads: the game's own German, or a translation from a
// gettext catalogue chosen at start.
#pragma once

// Marks a text for the catalogues where it stands in a table; tr() translates it where it is
// shown. Every text a player reads on the screen goes through tr(): the catalogue's template is
// gathered from these two marks (xgettext --keyword=tr --keyword=N_).
#define N_(text) text

// The German text in the language chosen: its translation from the catalogue, or the text as
// it stands where there is none (and always in German). Translations come in ISO-8859-1, the
// characters of the bitmap fonts the game draws with.
const char* tr(const char* german);

// The catalogues' domain and file name: <locale folder>/<language>/LC_MESSAGES/quelvane.mo.
#define TEXT_DOMAIN "quelvane"

// The language the environment asks for: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty, up to its territory, codeset or modifier ("en" of "en_US.UTF-8"). "C", "POSIX",
// German and nothing at all give "" (German). Writes at most size bytes.
void languageAsked(char* code, int size);

// Takes the catalogue of `code` in localeFolder, or German for "" or a language without one
// there; returns whether a catalogue is used. Works whether or not the system has a locale of
// that language installed, and leaves every other part of the locale (numbers above all) as
// it was.
bool useLanguage(const char* code, const char* localeFolder);

// The language in use: "" German, else the code of its catalogue ("en").
extern char language[16];
