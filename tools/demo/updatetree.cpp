// The demo update tree (updatetree.h): versions 38 and 39 of the demo
// catalogue, as an update server publishes them.
#include "updatetree.h"

#include "drawing.h"
#include "pictures.h"
#include "rng.h"

#include "platform/base/codepage.h"
#include "platform/base/error.h"
#include "platform/dao/dao.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QUrl>

namespace demo {

namespace {

using namespace platform::dao;

const QString kSource = QStringLiteral("tqdemoupdate");

[[noreturn]] void fail(const QString& text)
{
    throw platform::Error(platform::errors::PathNotFound, text, kSource);
}

QString quoted(QString s) { return s.replace(QLatin1Char('\''), QStringLiteral("''")); }

// A description with the revision mark, within the column's 50 characters.
QString revised(const QString& text, int version)
{
    const QString mark = QStringLiteral(" (REV. %1)").arg(version);
    return text.trimmed().left(50 - mark.size()) + mark;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("Cannot write %1.").arg(path));
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A stamp in the top right corner of a picture.
void stamp(QImage& image, const QString& text, const QColor& colour)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(10, image.height() / 20));
    f.setBold(true);
    p.setFont(f);
    const QRect box = p.fontMetrics().boundingRect(text).adjusted(-6, -3, 6, 3);
    const QRect place(image.width() - box.width() - 6, 6, box.width(), box.height());
    p.fillRect(place, Qt::white);
    p.setPen(QPen(colour, 2));
    p.drawRect(place);
    p.drawText(place, Qt::AlignCenter, text);
}

// The file of a name below a folder of the data folder, in any letter case.
QString findFile(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(folder + name))
        return folder + name;
    for (const QString& n : QDir(folder).entryList(QDir::Files))
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return folder + n;
    return {};
}

}  // namespace

QString UpdateTreeSummary::Text() const
{
    QStringList lines;
    lines << QStringLiteral("Demo update tree, versions %1 to %2, in %3").arg(fromVersion + 1).arg(toVersion).arg(treeFolder)
          << QStringLiteral("  served at http://%1/ from %2").arg(host, root)
          << QStringLiteral("  assembly %1: drawing Figuras/%2 replaced, photo FotoPeca/%3, note %4 added")
                 .arg(assembly)
                 .arg(replacedDrawing, newPhoto)
                 .arg(newNote);
    QStringList codes;
    for (long c : changedComponents)
        codes << QString::number(c);
    lines << QStringLiteral("  descriptions changed: components %1").arg(codes.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

UpdateTreeSummary GenerateUpdateTree(const QString& dataFolder, const QString& outDir)
{
    UpdateTreeSummary s;
    QString data = dataFolder;
    if (!data.endsWith(QLatin1Char('/')))
        data += QLatin1Char('/');
    const QStringList catalogues = QDir(data).entryList({QStringLiteral("DAZADIZETQ_?.MDB")}, QDir::Files);
    if (catalogues.isEmpty())
        fail(QStringLiteral("No catalogue (DAZADIZETQ_?.MDB) in %1.").arg(data));
    const QString edition = catalogues.first().mid(11, 1).toUpper();

    WorkspacePtr ws = DBEngine::CreateWorkspace(QStringLiteral("tree"));
    DatabasePtr db = ws->OpenDatabase(data + catalogues.first(), false, true);
    auto value = [&](const QString& sql) {
        RecordsetPtr rs = db->OpenRecordset(sql);
        const QVariant v = rs->EOF_() ? QVariant() : rs->Value(0);
        rs->Close();
        return v;
    };

    // Where the server lives: the update address of the version record.
    const QUrl url(value(QStringLiteral("SELECT UrlAtualizacao FROM UMREGISTRO")).toString());
    if (!url.isValid() || url.host().isEmpty())
        fail(QStringLiteral("The catalogue's update address is not an http address."));
    s.port = url.port(80);
    s.host = url.host() + (url.port() > 0 ? QStringLiteral(":%1").arg(url.port()) : QString());
    s.fromVersion = value(QStringLiteral("SELECT Versao FROM UMREGISTRO")).toInt();
    QDate issued = value(QStringLiteral("SELECT DataEmissao FROM UMREGISTRO")).toDate();
    if (!issued.isValid())
        issued = QDate::currentDate();
    s.toVersion = s.fromVersion + 2;
    s.root = QDir(outDir).absolutePath() + QLatin1Char('/');
    QString path = url.path();
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    s.treeFolder = s.root + path + edition + QLatin1Char('/');

    // The assembly with the most figure pages, its first drawing and three components.
    {
        RecordsetPtr rs = db->OpenRecordset(QStringLiteral(
            "SELECT CodigoPeca, Count(*) AS Paginas FROM (SELECT DISTINCT CodigoPeca, NumeroParte FROM "
            "FIGURADETALHADA1) AS P GROUP BY CodigoPeca ORDER BY Count(*) DESC, CodigoPeca"));
        if (rs->EOF_())
            fail(QStringLiteral("The catalogue has no figures."));
        s.assembly = rs->Value(0).toLongLong();
        rs->Close();
    }
    s.replacedDrawing = value(QStringLiteral("SELECT TOP 1 ArquivoFigura FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 "
                                             "AND ArquivoFigura Is Not Null ORDER BY NumeroParte")
                                  .arg(s.assembly))
                            .toString();
    struct Component {
        long code;
        QString p, e, i;
    };
    QList<Component> components;
    {
        RecordsetPtr rs = db->OpenRecordset(
            QStringLiteral("SELECT DISTINCT C.CodigoComponente, C.DescricaoComponenteP, C.DescricaoComponenteE, "
                           "C.DescricaoComponenteI FROM PECA_COMPONENTE AS PC INNER JOIN COMPONENTE AS C ON "
                           "PC.CodigoComponente = C.CodigoComponente WHERE PC.CodigoPeca = %1 ORDER BY C.CodigoComponente")
                .arg(s.assembly));
        for (; !rs->EOF_() && components.size() < 3; rs->MoveNext())
            components.push_back({long(rs->Value(0).toLongLong()), rs->Fields(1).Text(), rs->Fields(2).Text(),
                                  rs->Fields(3).Text()});
        rs->Close();
    }
    long note = 0;
    for (const char* table : {"OBSERVACAO_RAPIDA", "OBSERVACAO_MEMO", "APLICACAOOBS_Componente", "APLICACAOOBS_JOGOREPARO",
                              "APLICACAOOBS_Peca"})
        note = std::max<long>(note, long(value(QStringLiteral("SELECT Max(CodigoObservacao) FROM %1").arg(QLatin1String(table)))
                                              .toLongLong()));
    s.newNote = note + 1;
    ws->Close();

    QDir(s.treeFolder).removeRecursively();
    QDir().mkpath(s.treeFolder);
    auto put = [&](const QString& name, const QByteArray& bytes) {
        QString rel = name;
        rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
        writeBytes(s.treeFolder + rel, bytes);
        s.files << rel;
        return QByteArray::number(bytes.size());
    };
    const QByteArray crlf("\r\n");
    const int v38 = s.fromVersion + 1, v39 = s.fromVersion + 2;
    // Each version's script sets its issue date, a month after the one
    // before, as a published update does: the start screen shows it.
    const auto issueDate = [&](int months) {
        const QDate d = issued.addMonths(months);
        return QStringLiteral("E:UPDATE UMREGISTRO SET DataEmissao = DateSerial(%1,%2,%3), ComplementoDataEmissao = Null")
                   .arg(d.year())
                   .arg(d.month())
                   .arg(d.day())
                   .toLatin1()
            + crlf;
    };

    // Version 38: the drawing, stamped, and new descriptions.
    QImage drawing;
    const QString drawingFile = findFile(data + QStringLiteral("Figuras/"), s.replacedDrawing);
    if (!drawingFile.isEmpty())
        drawing.load(drawingFile);
    if (drawing.isNull()) {
        drawing = QImage(kDrawingWidth, kDrawingHeight, QImage::Format_RGB32);
        drawing.fill(Qt::white);
    }
    drawing = drawing.convertToFormat(QImage::Format_RGB32);
    stamp(drawing, QStringLiteral("REVISÃO %1").arg(v38), Qt::black);
    const QString drawingTemp = s.treeFolder + QStringLiteral(".drawing.jpg");
    SaveJpeg(drawing, drawingTemp, 92);
    const QByteArray drawingSize = put(QStringLiteral("Figuras\\") + s.replacedDrawing, readBytes(drawingTemp));
    QFile::remove(drawingTemp);

    QByteArray script38 = issueDate(1) + "B:UPDATE COMPONENTE SET DescricaoComponenteP = '?2', DescricaoComponenteE = '?3', "
                          "DescricaoComponenteI = '?4' WHERE CodigoComponente = ?1"
        + crlf;
    for (const Component& c : components) {
        script38 += platform::toWindows1252(QStringLiteral("%1<<;>>%2<<;>>%3<<;>>%4")
                                                .arg(c.code)
                                                .arg(quoted(revised(c.p, v38)), quoted(revised(c.e, v38)),
                                                     quoted(revised(c.i, v38))))
            + crlf;
        s.changedComponents << c.code;
    }
    const QString script38Name = QStringLiteral("Atualizacao%1%2.sql").arg(edition).arg(v38);
    const QByteArray script38Size = put(script38Name, script38);
    put(QStringLiteral("ListVersao%1.txt").arg(v38),
        "FIG;Figuras\\" + platform::toWindows1252(s.replacedDrawing) + ";" + drawingSize + crlf + "SDB;"
            + script38Name.toLatin1() + ";" + script38Size + crlf);

    // Version 39: a photo in a new folder, and a note.
    QImage photo = RenderPhoto(0, Rng(0x3900 + std::uint64_t(s.assembly)));
    stamp(photo, QStringLiteral("REV. %1").arg(v39), QColor(0x90, 0x10, 0x10));
    s.newPhoto = QStringLiteral("Revisao%1/FOTO_REV%1.jpg").arg(v39);
    const QString photoTemp = s.treeFolder + QStringLiteral(".photo.jpg");
    SaveJpeg(photo, photoTemp, 90);
    const QString photoName = QStringLiteral("Revisao%1\\FOTO_REV%1.jpg").arg(v39);
    const QByteArray photoSize = put(QStringLiteral("FotoPeca\\") + photoName, readBytes(photoTemp));
    QFile::remove(photoTemp);

    const QByteArray script39 = issueDate(2) + platform::toWindows1252(
        QStringLiteral("E:INSERT INTO OBSERVACAO_RAPIDA (CodigoObservacao, ObservacaoRapidaP, ObservacaoRapidaE, "
                       "ObservacaoRapidaI) VALUES (%1, 'Revisão %2: nova foto do conjunto e desenho revisado.', "
                       "'Revisión %2: nueva foto del conjunto y dibujo revisado.', 'Revision %2: new photo of the "
                       "assembly and revised drawing.')")
                .arg(s.newNote)
                .arg(v39)
        + QStringLiteral("\r\nE:INSERT INTO APLICACAOOBS_Peca (CodigoObservacao, CodigoPeca) VALUES (%1, %2)")
              .arg(s.newNote)
              .arg(s.assembly)
        + QStringLiteral("\r\nE:UPDATE PECA SET ArquivoFotoPeca = '%1' WHERE CodigoPeca = %2\r\n")
              .arg(photoName)
              .arg(s.assembly)
        // The catalogue starts again through its launcher once the update is in.
        + QStringLiteral("R:\r\n"));
    const QString script39Name = QStringLiteral("Atualizacao%1%2.sql").arg(edition).arg(v39);
    const QByteArray script39Size = put(script39Name, script39);
    put(QStringLiteral("ListVersao%1.txt").arg(v39),
        "JPG;FotoPeca\\" + platform::toWindows1252(photoName) + ";" + photoSize + crlf + "SDB;" + script39Name.toLatin1()
            + ";" + script39Size + crlf);

    put(QStringLiteral("Versao.asp"), QByteArray::number(v39));
    return s;
}

}  // namespace demo
