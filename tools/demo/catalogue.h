#pragma once
// The content of the demo catalogue: every row of every table, streamed to a
// RowSink in a fixed order, and the list of files (drawings, photos,
// documents) that the rows name.
//
// The catalogue is built from families: one figure (exploded drawing of one
// to five pages) with its items, and one to four assemblies (variants) drawn
// with it.  Families beyond the first 24 reuse the structure and drawings of
// family (index mod 24) with their own codes and numbers, so a large catalogue
// needs no more picture files than the demo one.  Families 0 to 3 also carry
// the special cases that the Summary names.

#include "demo.h"
#include "drawing.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace demo {

using Row = std::vector<QVariant>;  // an invalid QVariant is Null

class RowSink {
public:
    virtual ~RowSink() = default;
    // One row of `table`, its values in the column order of the schema.
    virtual void Insert(const QString& table, const Row& row) = 0;
};

struct DrawingJob {
    // File format of the drawing; Corrupt writes the start of a JPEG file
    // followed by bytes that are no picture.
    enum Format { Jpeg, Gif, Bmp, Png, Corrupt } format = Jpeg;
    QString file;
    std::vector<DrawnItem> items;
    PageLayout layout;
    QString drawingNumber;
    QString caption;
};

struct PhotoJob {
    QString file;
    int style = 0;
    std::uint64_t seed = 0;
    bool gif = false;  // written as a GIF file instead of a JPEG
};

struct DocumentJob {
    enum Kind { Pdf, Text } kind = Pdf;
    QString file;
    QString title;
    QStringList paragraphs;  // text files: the lines
    QStringList table;       // PDF only: rows of "|"-separated cells
};

struct FilePlan {
    std::vector<DrawingJob> drawings;
    std::vector<PhotoJob> photos;
    std::vector<DocumentJob> documents;
};

// Codes the catalogue builder hands out; a section written after the
// families takes its codes from here and leaves each counter past them.
struct CodeCounters {
    qlonglong assembly = 0, component = 0, kit = 0, figure = 0, hotSpot = 0, suggestion = 0, observation = 0;
};

// The assembly view's special assemblies (assemblycases.cpp): written after
// the families, in every edition and at every scale.
void WriteAssemblyViewCases(const Options& options, RowSink& sink, Summary& summary, FilePlan& files, CodeCounters& codes);

// Writes every row through `sink`, fills the content fields of `summary`
// (codes of the special cases; not the paths and counts) and lists the files
// to write in `files`.
void BuildCatalogue(const Options& options, RowSink& sink, Summary& summary, FilePlan& files);

// The rows of the report output's cases (outputcases.cpp), written after the
// families with codes of their own.
void WriteOutputCases(const Options& options, RowSink& sink, Summary& summary, FilePlan& files);

// Day number of a date in the Jet date type (days since 30 December 1899).
double JetDayNumber(int year, int month, int day);

}  // namespace demo
