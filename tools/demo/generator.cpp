#include "demo.h"

#include "catalogue.h"
#include "dbwriter.h"
#include "drawing.h"
#include "pictures.h"
#include "schema.h"

#include "platform/base/error.h"
#include "platform/dao/dao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace demo {

namespace {

const QString kSource = QStringLiteral("tqdemo");
const QString kMarker = QStringLiteral(".tqdemo");

[[noreturn]] void badOption(const QString& text)
{
    throw platform::Error(platform::errors::InvalidProcedureCall, text, kSource);
}

[[noreturn]] void fileError(const QString& text)
{
    throw platform::Error(platform::errors::PathNotFound, text, kSource);
}

// Runs job(0) .. job(count - 1) on a few threads; the first error is raised
// again once all threads have stopped.
void parallelFor(int count, const std::function<void(int)>& job)
{
    const int threads = std::max(1, std::min<int>(count, int(std::thread::hardware_concurrency())));
    std::atomic<int> next{0};
    std::exception_ptr error;
    std::mutex lock;
    auto worker = [&] {
        for (int i = next++; i < count; i = next++) {
            try {
                job(i);
            } catch (...) {
                std::lock_guard<std::mutex> g(lock);
                if (!error)
                    error = std::current_exception();
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool)
        t.join();
    if (error)
        std::rethrow_exception(error);
}

void writeFiles(const QString& folder, const FilePlan& plan, Summary& summary)
{
    const QString figures = folder + QStringLiteral("Figuras/");
    const QString photos = folder + QStringLiteral("FotoPeca/");
    const QString attachments = folder + QStringLiteral("Anexos/");

    parallelFor(int(plan.drawings.size()), [&](int i) {
        const DrawingJob& d = plan.drawings[std::size_t(i)];
        SaveDrawing(RenderPage(d.layout, d.items, d.drawingNumber, d.caption), figures + d.file, d.format);
    });
    parallelFor(int(plan.photos.size()), [&](int i) {
        const PhotoJob& p = plan.photos[std::size_t(i)];
        if (p.gif)
            SaveGif(RenderPhoto(p.style, Rng(p.seed)), photos + p.file);
        else
            SaveJpeg(RenderPhoto(p.style, Rng(p.seed)), photos + p.file, 90);
    });
    // The PDF writer is a QObject: documents are written on this thread.
    for (const DocumentJob& d : plan.documents) {
        if (d.kind == DocumentJob::Pdf)
            WritePdf(attachments + d.file, d.title, d.paragraphs, d.table);
        else
            WriteText(attachments + d.file, d.paragraphs);
    }
    summary.drawingFiles = int(plan.drawings.size());
    summary.photoFiles = int(plan.photos.size());
    summary.attachmentFiles = int(plan.documents.size());
}

void writeFolderDocuments(const QString& folder, const QString& edition)
{
    // The filter catalogue.
    QStringList rows{QStringLiteral("Aplicação / Aplicación / Application|Filtro / Filter|Elemento / Element")};
    const char* apps[] = {"S5-200", "S5-235", "S5-270", "T12-305", "AX-340", "HP-375", "SG-410", "MR-445"};
    for (int k = 0; k < 8; ++k)
        rows << QStringLiteral("%1|FT-%2|EL-%3").arg(QLatin1String(apps[k])).arg(1200 + 17 * k).arg(3400 + 23 * k);
    WritePdf(folder + QStringLiteral("FLTRS.PDF"), QStringLiteral("Catálogo de Filtros / Catálogo de Filtros / Filter Catalogue"),
             {QStringLiteral("Filtros de óleo e elementos filtrantes para transmissões, eixos e direções."),
              QStringLiteral("Filtros de aceite y elementos filtrantes para transmisiones, ejes y direcciones."),
              QStringLiteral("Oil filters and filter elements for transmissions, axles and steering gears.")},
             rows);

    // Help files: the catalogue opens "<prefix><language>.chm" with the
    // desktop's viewer.  A compiled help file cannot be made here; each file
    // is a small HTML page that says what it stands for.
    const QString prefix = edition == QLatin1String("D") ? QStringLiteral("AjudaDazadizeTQSD_")
                           : edition == QLatin1String("M") ? QStringLiteral("AjudaDazadizeTQM_")
                                                          : QStringLiteral("AjudaDazadizeTQ_");
    const Tri title = T3("Ajuda do catálogo TQ", "Ayuda del catálogo TQ", "TQ catalogue help");
    const Tri body = T3("Arquivo de ajuda de demonstração.", "Archivo de ayuda de demostración.", "Demonstration help file.");
    for (int l = 0; l < 3; ++l)
        WriteText(folder + prefix + QStringLiteral("PEI").mid(l, 1) + QStringLiteral(".chm"),
                  {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>").arg(title[l]),
                   QStringLiteral("<body><h1>%1</h1><p>%2</p></body></html>").arg(title[l], body[l])});
}

// Empties and removes a folder written by this generator (or an empty one).
void removeGeneratedFolder(const QString& path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    const bool empty = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
    if (!empty && !QFileInfo::exists(dir.filePath(kMarker)))
        fileError(QStringLiteral("The folder \"%1\" exists and was not written by the demo generator; it is left untouched.").arg(path));
    if (!dir.removeRecursively())
        fileError(QStringLiteral("Cannot remove the old demo folder \"%1\".").arg(path));
}

}  // namespace

QString CatalogueFileName(const QString& edition)
{
    return QStringLiteral("DAZADIZETQ_%1.MDB").arg(edition);
}

Options ParseArguments(const QStringList& args)
{
    Options o;
    auto value = [&](int& i) {
        if (i + 1 >= args.size())
            badOption(QStringLiteral("%1 needs a value.").arg(args[i]));
        return args[++i];
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--edition")) {
            o.edition = value(i).toUpper();
        } else if (a == QLatin1String("--out")) {
            o.outDir = value(i);
        } else if (a == QLatin1String("--scale")) {
            bool ok = false;
            o.scale = value(i).toDouble(&ok);
            if (!ok || o.scale <= 0 || o.scale > 1000)
                badOption(QStringLiteral("--scale takes a number above 0 (and at most 1000)."));
        } else if (a == QLatin1String("--seed")) {
            bool ok = false;
            o.seed = value(i).toUInt(&ok);
            if (!ok)
                badOption(QStringLiteral("--seed takes a whole number."));
        } else if (a == QLatin1String("--variant")) {
            for (const QString& v : value(i).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (v == QLatin1String("no-tipopeca"))
                    o.noTipoPeca = true;
                else if (v == QLatin1String("no-attachments"))
                    o.noAttachments = true;
                else
                    badOption(QStringLiteral("Unknown variant \"%1\" (no-tipopeca, no-attachments).").arg(v));
            }
        } else if (a == QLatin1String("--update-url")) {
            o.updateUrl = value(i);
        } else if (a == QLatin1String("--update-port")) {
            bool ok = false;
            const int port = value(i).toInt(&ok);
            if (!ok || port < 1 || port > 65535)
                badOption(QStringLiteral("--update-port takes a port number."));
            o.updateUrl = QStringLiteral("http://127.0.0.1:%1/tqatualizacao").arg(port);
        } else if (a == QLatin1String("--version")) {
            bool ok = false;
            o.version = value(i).toInt(&ok);
            if (!ok || o.version < 1 || o.version > 32767)
                badOption(QStringLiteral("--version takes a number from 1 to 32767."));
        } else if (a == QLatin1String("--no-files")) {
            o.writeFiles = false;
        } else {
            badOption(QStringLiteral("Unknown argument \"%1\".").arg(a));
        }
    }
    if (o.outDir.isEmpty())
        badOption(QStringLiteral("--out DIR is required."));
    return o;
}

Summary GenerateDataFolder(const Options& options)
{
    static const QStringList editions{QStringLiteral("V"), QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("M")};
    if (!editions.contains(options.edition))
        badOption(QStringLiteral("The edition must be V, A, D or M, not \"%1\".").arg(options.edition));
    if (options.outDir.isEmpty())
        badOption(QStringLiteral("No data folder given."));
    if (!(options.scale > 0))
        badOption(QStringLiteral("The scale must be above 0."));

    // Everything is written into a folder beside the target and moved into
    // place at the end, so a failure leaves the old folder as it was.
    const QString target = QDir::cleanPath(QFileInfo(options.outDir).absoluteFilePath());
    const QFileInfo targetInfo(target);
    if (!QDir().mkpath(targetInfo.absolutePath()))
        fileError(QStringLiteral("Cannot create the folder \"%1\".").arg(targetInfo.absolutePath()));
    const QString staging = targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName() +
                            QStringLiteral(".tqdemo-%1").arg(QCoreApplication::applicationPid());
    QDir(staging).removeRecursively();
    for (const char* sub : {"", "Figuras", "FotoPeca", "Anexos"})
        if (!QDir().mkpath(staging + QLatin1Char('/') + QLatin1String(sub)))
            fileError(QStringLiteral("Cannot create the folder \"%1\".").arg(staging));
    const QString folder = staging + QLatin1Char('/');

    Summary summary;
    summary.edition = options.edition;
    try {
        FilePlan plan;
        {
            DatabaseWriter writer(folder + CatalogueFileName(options.edition), CatalogueSchema(!options.noTipoPeca, !options.noAttachments));
            BuildCatalogue(options, writer, summary, plan);
            writer.Finish();
            summary.rowCounts = writer.Counts();
        }
        platform::dao::DBEngine::CreateDatabase(folder + QStringLiteral("DAZADIZEAUX.MDB"))->Close();
        if (options.writeFiles) {
            writeFiles(folder, plan, summary);
            writeFolderDocuments(folder, options.edition);
        }
        QFile marker(folder + kMarker);
        if (!marker.open(QIODevice::WriteOnly) ||
            marker.write(QStringLiteral("edition=%1\nscale=%2\nseed=%3\n").arg(options.edition).arg(options.scale).arg(options.seed).toUtf8()) < 0)
            fileError(QStringLiteral("Cannot write \"%1\".").arg(marker.fileName()));
        marker.close();

        removeGeneratedFolder(target);
        if (!QDir().rename(staging, target))
            fileError(QStringLiteral("Cannot move the demo folder into \"%1\".").arg(target));
    } catch (...) {
        QDir(staging).removeRecursively();
        throw;
    }

    summary.dataFolder = target + QLatin1Char('/');
    summary.catalogueFile = summary.dataFolder + CatalogueFileName(options.edition);
    summary.auxiliaryFile = summary.dataFolder + QStringLiteral("DAZADIZEAUX.MDB");
    return summary;
}

QString Summary::Text() const
{
    QStringList lines;
    lines << QStringLiteral("Demo catalogue, edition %1, in %2").arg(edition, dataFolder);
    const auto count = [&](const QString& t) { return rowCounts.value(t); };
    lines << QStringLiteral("  assemblies %1, components %2, repair kits %3, component positions %4")
                 .arg(count(tbl::PECA))
                 .arg(count(tbl::COMPONENTE))
                 .arg(count(tbl::JOGOREPARO))
                 .arg(count(tbl::PECA_COMPONENTE));
    lines << QStringLiteral("  figure labels %1, vehicles %2, cross references %3, notes %4, supersessions %5")
                 .arg(count(tbl::FIGURADETALHADA1))
                 .arg(count(tbl::VEICULO))
                 .arg(count(tbl::REFERENCIACRUZADA))
                 .arg(count(tbl::OBSERVACAO_RAPIDA) + count(tbl::OBSERVACAO_MEMO))
                 .arg(count(tbl::SUBSTITUIDOS));
    lines << QStringLiteral("  files: %1 drawings (Figuras/), %2 photos (FotoPeca/), %3 attachments (Anexos/)")
                 .arg(drawingFiles)
                 .arg(photoFiles)
                 .arg(attachmentFiles);
    lines << QStringLiteral("  showcase assembly: code %1, number %2, %3 figure pages").arg(showcaseAssembly).arg(showcaseNumber).arg(showcasePages);
    lines << QStringLiteral("  supersession: components %1 -> %2 -> %3; repair kits %4 <-> %5").arg(chainA).arg(chainB).arg(chainC).arg(cycleX).arg(cycleY);
    lines << QStringLiteral("  assembly view cases: assembly %1 (figure from part 0; GIF, BMP, JPEG named \"%2\", corrupt, PNG pages; items %3)")
                 .arg(casesAssembly)
                 .arg(casesStoredOtherCase)
                 .arg(QStringList{itemAllFlags, itemThreeComponents, itemLowerCase, itemApostrophe, itemNullQuantity}.join(QStringLiteral(", ")));
    lines << QStringLiteral("  large figure: assembly %1, %2 pages, %3 labels, hot spots from %4")
                 .arg(bigFigureAssembly)
                 .arg(bigFigurePages)
                 .arg(bigFigureLabels)
                 .arg(bigFigureFirstHotSpot);
    lines << QStringLiteral("  search cases: clutch disc component %1 and kit %2, PEÇA %3, PECA %4, search assembly %5 (photo %6)")
                 .arg(clutchDiscComponent).arg(clutchDiscKit).arg(accentedPecaComponent).arg(plainPecaComponent)
                 .arg(searchAssembly).arg(gifPhoto);
    // The comparison pair and the buying suggestions (comparisondemo.cpp).
    lines << QStringLiteral("  comparison: assemblies %1 and %2 (numbers %3, %4); suggestions: assembly %5, items %6 (4 rows), "
                            "%7 (5), %8 (8), %9 (9); showcase item %10 (figure and table)")
                 .arg(comparisonFirst)
                 .arg(comparisonSecond)
                 .arg(comparisonFirstNumber, comparisonSecondNumber)
                 .arg(suggestionAssembly)
                 .arg(suggestion4Item, suggestion5Item, suggestion8Item, suggestion9Item, itemWithSuggestion);
    lines << QStringLiteral("  update address %1, version %2").arg(updateUrl).arg(version);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace demo
