#pragma once
// The language of what the program shows and of the texts it writes for the
// builder. The program's own texts are the originals, partly Spanish; English
// turns the Spanish ones into English and corrects their misspellings. The
// core keeps its texts as originals and says here what each is in English;
// the Qt side asks at the moment it shows one.

#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

enum class Language { Original, English };

// The English form of one of the core's original texts, the text itself
// when it has none (it was English already, or is no text of the program:
// a name, a path). Texts built around numbers and names ("5 Registros.")
// are matched by their fixed parts.
std::string english_text(std::string_view original);

// One row of the catalogue english_text() reads: an original text, its
// placeholders written %1 to %9 (any text) or %W (words with rows of their
// own), and its English form.
struct EnglishRow {
    const char* original;
    const char* english;
};
std::span<const EnglishRow> english_rows();

// `original` as `language` shows it.
std::string in_language(Language language, std::string_view original);

// The stored names of the languages, and the one a stored name stands for
// (Original for anything else).
const char* language_key(Language language);
Language language_from_key(std::string_view key);

}  // namespace tarnwick
