// The English forms of the core's original texts, and how a text is matched
// to its row. Every text is in Windows-1252, as the originals are.
//
// A row's original may hold placeholders for the parts that vary: %1 to %9
// are copied as they stand (numbers, names, paths); %W is a list of words
// each of which has a row of its own ("Mobs Objetos Zonas"). Texts that are
// English already need no row.

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "world/language.h"

namespace tarnwick {

namespace {

constexpr EnglishRow kRows[] = {
    // Zone reset modes, door types and zone commands.
    {"Nunca", "Never"},
    {"S\xF3lo Desierta", "Only when empty"},
    {"Siempre", "Always"},
    {"Sin Puerta", "No door"},
    {"Puerta Normal", "Normal door"},
    {"PickProof (Se puede abrir solo con la llave)", "Pick-proof (opens only with its key)"},
    {"Cargar un Mob", "Load a mob"},
    {"Cargar un Objeto", "Load an object"},
    {"Darle un objeto a un mob", "Give an object to a mob"},
    {"Equipar un mob con un objeto", "Equip a mob with an object"},
    {"Poner objeto en objeto", "Put an object into an object"},
    {"Setear estado de puerta", "Set the state of a door"},
    {"Quitar Objeto de Room", "Remove an object from a room"},
    // Directions: the exit list's captions (padded to one width), the zone
    // comments' names and the bare names.
    {"Norte    ", "North    "},
    {"Este     ", "East     "},
    {"Sur      ", "South    "},
    {"Oeste    ", "West     "},
    {"Arriba   ", "Up       "},
    {"Abajo    ", "Down     "},
    {"Noroeste ", "Northwest"},
    {"Noreste  ", "Northeast"},
    {"Sureste  ", "Southeast"},
    {"Suroeste ", "Southwest"},
    {"Norte", "North"},
    {"Este", "East"},
    {"Sur", "South"},
    {"Oeste", "West"},
    {"Arriba", "Up"},
    {"Abajo", "Down"},
    {"Noroeste", "Northwest"},
    {"Noreste", "Northeast"},
    {"Sureste", "Southeast"},
    {"Suroeste", "Southwest"},
    // Wear positions, as zone comments name them.
    {"como luz", "as light"},
    {"como anillo (derecho)", "as ring (right)"},
    {"como anillo (izq)", "as ring (left)"},
    {"primer objeto al cuello", "first at the neck"},
    {"segundo objeto al cuello", "second at the neck"},
    {"en el cuerpo", "on the body"},
    {"en la cabeza", "on the head"},
    {"en las piernas", "on the legs"},
    {"en los pies", "on the feet"},
    {"en las manos", "on the hands"},
    {"en los brazos", "on the arms"},
    {"como escudo", "as shield"},
    {"sobre el cuerpo", "about the body"},
    {"en la cintura", "around the waist"},
    {"en la mu\xF1" "eca derecha", "on the right wrist"},
    {"en la mu\xF1" "eca izquierda", "on the left wrist"},
    {"como arma", "as weapon"},
    {"sostenido", "held"},
    // A new shop's messages and a new object's keyword.
    {"%s No tengo ese item.", "%s I do not have that item."},
    {"%s No pareces tener eso.", "%s You do not seem to have that."},
    {"%s No compro eso.", "%s I do not buy that."},
    {"%s No tengo tanto dinero, quizas otro dia", "%s I do not have that much money, maybe another day"},
    {"%s Pero si no tienes ese dinero!", "%s But you do not have that much money!"},
    {"%s Son %d monedas.", "%s That is %d coins."},
    {"%s Aqui tienes %d monedas por eso.", "%s Here are %d coins for that."},
    {"cosa", "thing"},
    // Object types.
    {"FIREWEAPON     Arma de proyectiles (Arco, ballesta, etc.).",
     "FIREWEAPON     Missile weapon (bow, crossbow, etc.)."},
    {"MISSILE        Misiles (proyectiles; flechas, saetas).",
     "MISSILE        Missile (arrows, bolts)."},
    // List captions.
    {"%1 Registros.", "%1 Records."},
    // Messages.
    {"Error Extra\xF1o!!!!", "Strange error!"},
    {"Renumerar", "Renumber"},
    {"\xBF" "Desea renumerar la zona?", "Renumber the zone?"},
    {"Existing room. Do you want to make this exit simmetric?",
     "Existing room. Do you want to make this exit symmetric?"},
    {"This is the weirdest error that you have never seen.\nOcurred in line 86",
     "This is the weirdest error that you have never seen.\nOccurred in line 86"},
    {"Maximum numer of rooms reached.", "Maximum number of rooms reached."},
    {"An error has ocurred while opening file!", "An error has occurred while opening the file!"},
    {"An error has ocurred while reading objects file!",
     "An error has occurred while reading the objects file!"},
    {"Sin nombre de objeto o error de formato (cerca de %1)",
     "No object name, or a format error (near %1)"},
    {"Secci\xF3n E no terminada en mob #%1", "E section not ended in mob #%1"},
    {"Tipo de mob no v\xE1lido ( mob %1)", "Invalid mob type (mob %1)"},
    {"No hay mobs en este archivo.", "There are no mobs in this file."},
    {"Se ha producido un error al leer Archivo de Mobs!",
     "An error occurred while reading the mob file!"},
    {"Se ha producido un error al leer Archivo de Shops!",
     "An error occurred while reading the shop file!"},
    {"Se ha producido un error al abrir el archivo.", "An error occurred while opening the file."},
    {"Se ha producido un error al grabar archivo de %W",
     "An error occurred while writing the files of %W"},
    {"Objetos", "Objects"},
    {"Cuartos", "Rooms"},
    {"Zonas", "Zones"},
    {"Error al abrir archivo %1", "Error opening file %1"},
    {"Error al abrir archivo.\nAseg\xFArese de que el disco no este protegido contra escritura",
     "Error opening the file.\nMake sure that the disk is not write-protected."},
    {"Error al grabar Archivo de Shops", "Error writing the shop file"},
    {"Imposible abrir zona.", "Cannot open the zone."},
    {"Debe especificar un archivo de Mobs.", "Must specify a mob file."},
    {"Debe especificar un archivo de Objetos.", "Must specify an object file."},
    {"Debe especificar un archivo de Shops.", "Must specify a shop file."},
    {"Debe especificar un archivo de Zonas.", "Must specify a zone file."},
    // File choosers.
    {"Abrir Archivo de Zonas...", "Open Zone File..."},
    {"Guardar Archivo de Rooms...", "Save Room File..."},
    {"Guardar Archivo de Mobs...", "Save Mob File..."},
    {"Guardar Archivo de Objs...", "Save Object File..."},
    {"Guardar Archivo de Shops...", "Save Shop File..."},
    {"Guardar Archivo de Zonas...", "Save Zone File..."},
    {"Archivos de Rooms (*.wld)|*.WLD|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Room Files (*.wld)|*.WLD|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"},
    {"Archivos de Mobs (*.mob)|*.MOB|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Mob Files (*.mob)|*.MOB|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"},
    {"Archivos de Objetos (*.obj)|*.OBJ|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Object Files (*.obj)|*.OBJ|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"},
    {"Archivos de Objetos (*.shp)|*.SHP|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Shop Files (*.shp)|*.SHP|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"},
    {"Archivos de Objetos (*.zon)|*.ZON|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Zone Files (*.zon)|*.ZON|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"},
};

bool is_placeholder(std::string_view s, size_t i) {
    return i + 1 < s.size() && s[i] == '%' && ((s[i + 1] >= '1' && s[i + 1] <= '9') || s[i + 1] == 'W');
}

// A row with placeholders, cut into its fixed parts and the placeholder
// between each two.
struct Pattern {
    std::vector<std::string> parts;  // one more than marks
    std::vector<char> marks;         // '1'..'9' or 'W'
    const char* english;
};

struct Catalogue {
    std::unordered_map<std::string, const char*> exact;
    std::vector<Pattern> patterns;
    Catalogue() {
        for (const EnglishRow& row : kRows) {
            std::string_view o = row.original;
            Pattern p{{std::string()}, {}, row.english};
            for (size_t i = 0; i < o.size(); ++i) {
                if (is_placeholder(o, i)) {
                    p.marks.push_back(o[++i]);
                    p.parts.emplace_back();
                } else {
                    p.parts.back() += o[i];
                }
            }
            if (p.marks.empty()) exact.emplace(row.original, row.english);
            else patterns.push_back(std::move(p));
        }
    }
};

const Catalogue& catalogue() {
    static const Catalogue c;
    return c;
}

// Each blank-separated word by its own row.
std::string english_words(std::string_view words) {
    std::string out;
    size_t p = 0;
    while (p <= words.size()) {
        size_t blank = std::min(words.find(' ', p), words.size());
        const std::string word(words.substr(p, blank - p));
        auto it = catalogue().exact.find(word);
        out += it == catalogue().exact.end() ? word : std::string(it->second);
        if (blank == words.size()) break;
        out += ' ';
        p = blank + 1;
    }
    return out;
}

// The text the pattern's English form makes of `text`, or false when the
// fixed parts are not all there in order. Each placeholder takes the
// shortest text that lets the next fixed part follow; the last fixed part
// ends the text.
bool match(const Pattern& p, std::string_view text, std::string& out) {
    if (text.substr(0, p.parts.front().size()) != p.parts.front()) return false;
    const std::string& last = p.parts.back();
    if (text.size() < p.parts.front().size() + last.size() ||
        text.substr(text.size() - last.size()) != last)
        return false;
    std::vector<std::string> captures;
    size_t at = p.parts.front().size();
    const size_t end = text.size() - last.size();
    for (size_t k = 1; k < p.parts.size(); ++k) {
        const size_t next = k + 1 == p.parts.size() ? end : text.find(p.parts[k], at);
        if (next == std::string_view::npos || next > end) return false;
        captures.emplace_back(text.substr(at, next - at));
        at = next + p.parts[k].size();
    }
    out.clear();
    std::string_view e = p.english;
    for (size_t i = 0; i < e.size(); ++i) {
        if (!is_placeholder(e, i)) {
            out += e[i];
            continue;
        }
        const char mark = e[++i];
        for (size_t k = 0; k < p.marks.size(); ++k)
            if (p.marks[k] == mark) out += mark == 'W' ? english_words(captures[k]) : captures[k];
    }
    return true;
}

}  // namespace

std::span<const EnglishRow> english_rows() { return kRows; }

std::string english_text(std::string_view original) {
    const Catalogue& c = catalogue();
    if (auto it = c.exact.find(std::string(original)); it != c.exact.end()) return it->second;
    std::string out;
    for (const Pattern& p : c.patterns)
        if (match(p, original, out)) return out;
    return std::string(original);
}

std::string in_language(Language language, std::string_view original) {
    return language == Language::English ? english_text(original) : std::string(original);
}

const char* language_key(Language language) {
    return language == Language::English ? "English" : "Original";
}

Language language_from_key(std::string_view key) {
    return key == "English" ? Language::English : Language::Original;
}

}  // namespace tarnwick
