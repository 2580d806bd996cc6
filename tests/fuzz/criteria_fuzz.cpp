// LIKE patterns, the collations and FindFirst criteria.  The input is a
// pattern or criteria, a line feed, and a text.  Checked besides crashes:
// "*" matches every text, a text without pattern characters matches itself,
// and both collations are antisymmetric.
#include "fuzzsupport.h"

#include "platform/dao/jetcollation.h"
#include "platform/dao/jetsql.h"

using namespace platform::dao;

namespace {

int sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

void collations(std::string_view a, std::string_view b)
{
    for (const bool withCase : {false, true}) {
        if (sign(jet::detail::CompareUtf8(a, b, withCase)) != -sign(jet::detail::CompareUtf8(b, a, withCase)))
            tqfuzz::Finding("a collation is not antisymmetric");
        if (jet::detail::CompareUtf8(a, a, withCase) != 0)
            tqfuzz::Finding("a text differs from itself");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = tqfuzz::Bytes(data, size);
    const std::size_t nl = bytes.find('\n');
    const std::string_view first = bytes.substr(0, nl);
    const std::string_view rest = nl == std::string_view::npos ? std::string_view() : bytes.substr(nl + 1);

    // Raw bytes, invalid UTF-8 included, as SQLite hands them over.
    (void)jet::detail::LikePattern(first).matches(rest);
    collations(first, rest);

    const QString pattern = QString::fromUtf8(first.data(), qsizetype(first.size()));
    const QString text = QString::fromUtf8(rest.data(), qsizetype(rest.size()));
    (void)jet::Like(text, pattern);
    if (!jet::Like(text, QStringLiteral("*")))
        tqfuzz::Finding("'*' does not match a text");
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c != QLatin1Char('*') && c != QLatin1Char('?') && c != QLatin1Char('#') && c != QLatin1Char('[');
    if (plain && !jet::Like(text, text))
        tqfuzz::Finding("a text without pattern characters does not match itself");

    // The first line as FindFirst criteria over a join of the catalogue.
    static const RecordsetPtr rs = tqfuzz::Database()->OpenRecordset(
        QStringLiteral("SELECT PECA.*, PECA_COMPONENTE.ItemComponente, PECA_COMPONENTE.QuantidadeComponente FROM PECA "
                       "INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca"));
    static const QStringList fields = [] {
        QStringList names;
        for (const FieldInfo& f : rs->FieldInfos())
            names << f.name;
        return names;
    }();
    try {
        (void)jet::TranslateCriteria(pattern, fields);
    } catch (const platform::Error&) {
    }
    tqfuzz::RolledBack([&](const DatabasePtr&) {
        rs->FindFirst(pattern);
        if (!rs->NoMatch())
            rs->FindNext(pattern);
        rs->FindLast(pattern);
    });
    return 0;
}
