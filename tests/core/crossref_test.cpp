#include "catalogfixture.h"

#include "core/crossref.h"

#include <QWidget>

#include <memory>

using namespace Modulo;

namespace {

class CrossReference : public tqtest::CatalogFixture {
protected:
    void SetUp() override
    {
        CatalogFixture::SetUp();
        open(true);
        m_window = std::make_unique<QWidget>();
        for (int origin : {1, 3, 5, 8, -1, -4}) {
            m_panels[origin] = CriaPainelReferencia(origin, m_window.get());
            RegistraPainelReferencia(origin, m_panels[origin]);
        }
        m_box = new QLineEdit(m_window.get());
        m_panels[1].txtNumeroFabricante = m_box;
        RegistraPainelReferencia(1, m_panels[1]);
        m_panels[5].txtNumeroFabricante = m_box;
        RegistraPainelReferencia(5, m_panels[5]);
    }
    void TearDown() override
    {
        for (int origin : {1, 3, 5, 8, -1, -4})
            RemovePainelReferencia(origin);
        m_window.reset();
        CatalogFixture::TearDown();
    }

    // "name|number|b" per filled row ("b" when bold), "" for an empty one.
    QStringList shown(int origin)
    {
        QStringList out;
        const PainelReferencia& p = m_panels[origin];
        for (size_t i = 0; i < p.lblFabricanteRef.size(); ++i) {
            const QString name = p.lblFabricanteRef[i]->text();
            const QString number = p.lblNumeroFabricanteRef[i]->text();
            if (name.isEmpty() && number.isEmpty()) {
                EXPECT_FALSE(p.lblNumeroFabricanteRef[i]->font().bold());
                out << QString();
            } else {
                out << name + "|" + number + (p.lblNumeroFabricanteRef[i]->font().bold() ? "|b" : "");
            }
        }
        return out;
    }
    std::vector<bool> lines(int origin)
    {
        std::vector<bool> v;
        for (const auto& l : m_panels[origin].linRef)
            v.push_back(!l->isHidden());
        return v;
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_box = nullptr;
    std::map<int, PainelReferencia> m_panels;
};

}  // namespace

TEST_F(CrossReference, PanelsHaveTheirRowsAndPlaces)
{
    struct Row {
        int origin;
        int rows;
        QSize panel;
        int numberWidth;
        int nameWidth;
        int lineEnd;
    };
    const Row rows[] = {
        {1, 9, {123, 391}, 117, 111, 118}, {3, 6, {123, 238}, 117, 111, 118}, {5, 9, {113, 374}, 107, 101, 108},
        {8, 8, {116, 340}, 110, 104, 111},  {-1, 7, {116, 289}, 110, 104, 111}, {-4, 7, {116, 289}, 110, 104, 111},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.origin);
        const PainelReferencia& p = m_panels[r.origin];
        EXPECT_EQ(LinhasPainelReferencia(r.origin), r.rows);
        ASSERT_EQ(int(p.lblFabricanteRef.size()), r.rows);
        ASSERT_EQ(int(p.lblNumeroFabricanteRef.size()), r.rows);
        ASSERT_EQ(int(p.linRef.size()), r.rows - 1);
        EXPECT_EQ(p.pctPainelRef->size(), r.panel);
        EXPECT_EQ(p.pctPainelRef->palette().color(QPalette::Window), QColor(0xEC, 0xF1, 0xFA));
        for (int i = 0; i < r.rows; ++i) {
            EXPECT_EQ(p.lblNumeroFabricanteRef[i]->geometry(), QRect(6, 7 + 39 * i, r.numberWidth, 16));
            EXPECT_EQ(p.lblFabricanteRef[i]->geometry(), QRect(7, 24 + 39 * i, r.nameWidth, 17));
            EXPECT_DOUBLE_EQ(p.lblFabricanteRef[i]->font().pointSizeF(), 6.75);
            if (i + 1 < r.rows) {
                EXPECT_EQ(p.linRef[i]->geometry(), QRect(5, 40 + 39 * i, r.lineEnd - 5, 1));
            }
        }
    }
    EXPECT_THROW(CriaPainelReferencia(2, m_window.get()), platform::Error);
    EXPECT_THROW(ExibeReferenciaCruzada(4, "777", ""), platform::Error);
}

TEST_F(CrossReference, FillsRowsInOrderAndClearsTheRest)
{
    TQ_REQUIRE_JET_SQL();
    ExibeReferenciaCruzada(1, "777", "");
    EXPECT_EQ(shown(1), QStringList({"AUTOLATINA|", "DaimlerChrysler|M-12A-77", "VOLVORO|V-777-1", "", "", "", "", "", ""}));
    EXPECT_EQ(lines(1), std::vector<bool>({true, true, false, false, false, false, false, false}));

    // Twelve references on the six rows of origin 3, by name then number.
    ExibeReferenciaCruzada(3, "501123456", "");
    EXPECT_EQ(shown(3), QStringList({"AUTOLATINA|NB", "AUTOLATINA|NF-12A", "AUTOLATINA|NJ", "BRASMOTOR|ND",
                                     "BRASMOTOR|NH", "BRASMOTOR|NL-12A"}));
    EXPECT_EQ(lines(3), std::vector<bool>(5, true));

    // An empty number clears every label and hides every line.
    ExibeReferenciaCruzada(1, "", "");
    EXPECT_EQ(shown(1), QStringList(9, QString()));
    EXPECT_EQ(lines(1), std::vector<bool>(8, false));
}

TEST_F(CrossReference, EachOriginShowsAsManyRowsAsItHasLabels)
{
    TQ_REQUIRE_JET_SQL();
    const QStringList all = {"AUTOLATINA|NB",      "AUTOLATINA|NF-12A",      "AUTOLATINA|NJ",
                             "BRASMOTOR|ND",       "BRASMOTOR|NH",           "BRASMOTOR|NL-12A",
                             "DaimlerChrysler|NA", "DaimlerChrysler|NE",     "DaimlerChrysler|NI-12A",
                             "VOLVORO|NC-12A",     "VOLVORO|NG",             "VOLVORO|NK"};
    for (int origin : {1, 3, 5, 8, -1, -4}) {
        SCOPED_TRACE(origin);
        ExibeReferenciaCruzada(origin, "501123456", "");
        const int rows = LinhasPainelReferencia(origin);
        EXPECT_EQ(shown(origin), all.mid(0, rows));
        EXPECT_EQ(lines(origin), std::vector<bool>(size_t(rows - 1), true));
    }
}

TEST_F(CrossReference, TypedManufacturerNumberComesFirstInBold)
{
    TQ_REQUIRE_JET_SQL();
    m_box->setText("00-12a");
    ExibeReferenciaCruzada(1, "501123456", "");
    EXPECT_EQ(shown(1), QStringList({"AUTOLATINA|NF-12A|b", "BRASMOTOR|NL-12A|b", "DaimlerChrysler|NI-12A|b",
                                     "VOLVORO|NC-12A|b", "AUTOLATINA|NB", "AUTOLATINA|NJ", "BRASMOTOR|ND",
                                     "BRASMOTOR|NH", "DaimlerChrysler|NA"}));
    // The other origins ignore the box: nothing bold, plain order.
    for (int origin : {3, 8, -1, -4}) {
        SCOPED_TRACE(origin);
        ExibeReferenciaCruzada(origin, "501123456", "");
        for (const QString& row : shown(origin))
            EXPECT_FALSE(row.endsWith("|b"));
        EXPECT_EQ(shown(origin).first(), "AUTOLATINA|NB");
    }
    // A bold row that becomes a plain one loses its bold.
    m_box->clear();
    ExibeReferenciaCruzada(1, "501123456", "");
    EXPECT_EQ(shown(1).first(), "AUTOLATINA|NB");
    EXPECT_EQ(shown(1)[1], "AUTOLATINA|NF-12A");
}

TEST_F(CrossReference, ManufacturersOfAnAssemblyFilterThePanel)
{
    TQ_REQUIRE_JET_SQL();
    EXPECT_EQ(ObtemFabricantesPeca(100, 0), "7,8") << "a vehicle without a manufacturer adds no empty code";
    EXPECT_EQ(ObtemFabricantesPeca(101, 0), "8");
    EXPECT_EQ(ObtemFabricantesPeca(101, 100).split(',').size(), 2);
    EXPECT_EQ(ObtemFabricantesPeca(999, 0), QString());
    EXPECT_EQ(ObtemFabricantePeca(101), 8);
    EXPECT_EQ(ObtemFabricantePeca(999), -1);

    m_box->setText("12A");
    ExibeReferenciaCruzada(5, "501123456", ObtemFabricantesPeca(100, 0));
    EXPECT_EQ(shown(5), QStringList({"DaimlerChrysler|NI-12A|b", "VOLVORO|NC-12A|b", "DaimlerChrysler|NA",
                                     "DaimlerChrysler|NE", "VOLVORO|NG", "VOLVORO|NK", "", "", ""}));
    // No vehicle: no filter, every manufacturer.
    ExibeReferenciaCruzada(8, "501123456", ObtemFabricantesPeca(999, 0));
    EXPECT_EQ(shown(8).size(), 8);
    EXPECT_EQ(shown(8).last(), "DaimlerChrysler|NE");
}

TEST_F(CrossReference, EditionMDoesNothing)
{
    TQ_REQUIRE_JET_SQL();
    ExibeReferenciaCruzada(1, "777", "");
    const QStringList before = shown(1);
    gEdicao = "M";
    ExibeReferenciaCruzada(1, "", "");
    EXPECT_EQ(shown(1), before);
    ExibeReferenciaCruzada(1, "501123456", "");
    EXPECT_EQ(shown(1), before);
    EXPECT_EQ(lines(1), std::vector<bool>({true, true, false, false, false, false, false, false}));
}

TEST_F(CrossReference, ADeletedPanelIsSkipped)
{
    TQ_REQUIRE_JET_SQL();
    m_window.reset();  // the window and its panels are gone; the registry still names them
    EXPECT_NO_THROW(ExibeReferenciaCruzada(1, "777", ""));
}
