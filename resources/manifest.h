#pragma once
// The picture manifest (resources/manifest.tsv): every picture the catalogue
// program loads, with the resource types that hold it, its size, the
// editions that show it, its drawing recipe and its captions.  The generator
// draws from it, the contact sheet lays it out, and the tests check the
// embedded resources against it.
//
// A row may name a numbered range, "ANIMACAOCARRO{1..12}", which stands for
// one entry per number; a row with the twin flag also stands for the
// highlighted twin NAME_S of the same size.

#include <QChar>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace resources {

// One manifest entry after range expansion (twins are not expanded here).
struct PictureSpec {
    QChar kind;         // 'R' resource the program names, 'D' design picture
    QString sets;       // "G" or letters of "PEI"
    QString name;       // upper-case resource name
    int width = 0;
    int height = 0;
    QString editions;   // letters of "VADM"
    bool twin = false;  // a highlighted twin NAME_S exists
    QString format;     // "jpg" or "gif"
    QString recipe;     // drawing recipe, before the ":"
    QString argument;   // drawing argument, after the ":" (may be empty)
    int number = 0;     // the number of a range entry, 0 otherwise
    QString text;       // texts-table template, empty when none
    QString captions[3];  // P, E, I; empty when none
    int line = 0;       // line of the manifest file, for messages

    // The caption written in the manifest for a language letter ('P', 'E',
    // 'I'); the language-free set uses the Portuguese column.
    QString caption(QChar language) const;
    // Resource types holding the entry: {"G"} or some of {"P", "E", "I"}.
    QStringList types() const;
    bool shownIn(QChar edition) const { return editions.contains(edition); }
};

// One embedded resource: a type, a name and the entry it comes from.
struct Picture {
    QString type;               // "P", "E", "I" or "G"
    QString name;               // NAME or NAME_S
    bool lit = false;           // the highlighted twin
    const PictureSpec* spec = nullptr;

    // Path of the resource inside the program: ":/tq/<type>/<name>".
    QString resourcePath() const;
};

class ManifestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Manifest {
public:
    // Reads and checks a manifest file; a malformed line raises ManifestError
    // naming the file and the line.
    static Manifest load(const QString& path);
    static Manifest parse(const QString& text, const QString& origin = QStringLiteral("manifest"));

    const std::vector<PictureSpec>& specs() const { return m_specs; }
    // Every resource: each entry in each of its types, twins included, in
    // manifest order.
    std::vector<Picture> pictures() const;
    // The entry that draws a resource name (NAME or NAME_S); nullptr when the
    // manifest has none.
    const PictureSpec* find(const QString& name) const;

private:
    std::vector<PictureSpec> m_specs;
};

// Resource path prefix of the embedded pictures.
inline QString resourcePrefix() { return QStringLiteral(":/tq/"); }

}  // namespace resources
