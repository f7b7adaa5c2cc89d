#include "datasources/htmlentityresolver.h"

#include <QHash>

namespace {

// The Latin-1 range 160-255 in code order.
const char* const kLatin1Names[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
static_assert(sizeof(kLatin1Names) / sizeof(kLatin1Names[0]) == 96, "Latin-1 entities cover 160-255");

struct Named {
    const char* name;
    ushort code;
};

// The punctuation and symbols that turn up in headlines.
const Named kOtherNames[] = {
    {"OElig", 338},   {"oelig", 339},   {"Scaron", 352},  {"scaron", 353},  {"Yuml", 376},    {"fnof", 402},
    {"circ", 710},    {"tilde", 732},   {"ensp", 8194},   {"emsp", 8195},   {"thinsp", 8201}, {"zwnj", 8204},
    {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},    {"ndash", 8211},  {"mdash", 8212},  {"lsquo", 8216},
    {"rsquo", 8217},  {"sbquo", 8218},  {"ldquo", 8220},  {"rdquo", 8221},  {"bdquo", 8222},  {"dagger", 8224},
    {"Dagger", 8225}, {"bull", 8226},   {"hellip", 8230}, {"permil", 8240}, {"prime", 8242},  {"Prime", 8243},
    {"lsaquo", 8249}, {"rsaquo", 8250}, {"oline", 8254},  {"frasl", 8260},  {"euro", 8364},   {"trade", 8482},
    {"larr", 8592},   {"uarr", 8593},   {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},   {"minus", 8722},
    {"infin", 8734},  {"ne", 8800},     {"le", 8804},     {"ge", 8805},     {"hearts", 9829}};

const QHash<QString, QChar>& EntityTable() {
    static const QHash<QString, QChar> table = [] {
        QHash<QString, QChar> t;
        for (int i = 0; i < 96; ++i)
            t.insert(QLatin1String(kLatin1Names[i]), QChar(ushort(160 + i)));
        for (const Named& n : kOtherNames)
            t.insert(QLatin1String(n.name), QChar(n.code));
        return t;
    }();
    return table;
}

} // namespace

QString HtmlEntityResolver::resolveUndeclaredEntity(const QString& name) {
    const auto& table = EntityTable();
    const auto it = table.constFind(name);
    return it == table.constEnd() ? QString() : QString(it.value());
}
