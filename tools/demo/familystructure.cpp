// The structure of a demo family: the assembly type of a template, its
// pages, items, variants and the drawn items of each page.

#include "familystructure.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

namespace demo::builder {
namespace {

bool smallPart(Shape s)
{
    return s == Shape::Bolt || s == Shape::Nut || s == Shape::Pin || s == Shape::Plug || s == Shape::Washer || s == Shape::Ball;
}

int chooseType(const EditionVocabulary& vocab, int t, Rng& rng)
{
    const int n = int(vocab.types.size());
    if (n == 1)
        return 0;
    int showcase = 0;
    for (int k = 1; k < n; ++k)
        if (vocab.typeWeights[std::size_t(k)] > vocab.typeWeights[std::size_t(showcase)])
            showcase = k;
    if (t == 0)
        return showcase;
    if (t == 1) {
        // Family 1 needs three pages or more; in edition A it is an axle.
        for (int k = 0; k < n; ++k)
            if (vocab.types[std::size_t(k)].code == QLatin1Char('E'))
                return k;
        for (int k = 0; k < n; ++k)
            if (k != showcase && vocab.types[std::size_t(k)].pages.size() >= 3)
                return k;
        return showcase;
    }
    int total = 0;
    for (int w : vocab.typeWeights)
        total += w;
    int r = rng.range(0, total - 1);
    for (int k = 0; k < n; ++k) {
        r -= vocab.typeWeights[std::size_t(k)];
        if (r < 0)
            return k;
    }
    return 0;
}

}  // namespace

Structure BuildStructure(int t, const EditionVocabulary& vocab, const Rng& base)
{
    Structure s;
    s.index = t;
    Rng rng = base.derive(0x1000 + std::uint64_t(t));
    s.typeIndex = chooseType(vocab, t, rng);
    s.type = &vocab.types[std::size_t(s.typeIndex)];
    const AssemblyType& type = *s.type;

    std::vector<int> chosen;
    for (int i = 0; i < int(type.pages.size()); ++i)
        if (!type.pages[std::size_t(i)].optional || t == 0 || t == 1 || rng.chance(0.7))
            chosen.push_back(i);
    if (t == 3)
        chosen = {0};

    std::map<Kind, int> ordinals;
    auto addItem = [&](ItemSpec it) {
        s.items.push_back(std::move(it));
        return int(s.items.size()) - 1;
    };
    auto newItem = [&](Kind kind, int page, const QString& number) {
        const KindInfo& info = Info(kind);
        ItemSpec it;
        it.kind = kind;
        it.page = page;
        it.item = number;
        it.ordinal = ++ordinals[kind];
        it.dim = rng.range(0, 5);
        it.quantity = QString::number(rng.range(info.quantityMin, info.quantityMax));
        it.alternatives = info.alternatives ? rng.range(2, 4) : 0;
        return it;
    };

    for (int k = 0; k < int(chosen.size()); ++k) {
        const PageTemplate& tp = type.pages[std::size_t(chosen[std::size_t(k)])];
        PageSpec page;
        page.title = tp.title;
        page.group = (t == 0 && k == int(chosen.size()) - 1) ? 12 : k + 1;
        int seq = 0, n = 0;
        for (const PageTemplate::Entry& e : tp.entries) {
            const int count = t == 0 ? e.max : rng.range(e.min, e.max);
            for (int c = 0; c < count; ++c) {
                if (t == 0 && k == 0 && n < 2)
                    seq = n + 1;  // "01.001", "01.002"
                else
                    seq = (seq < 5 ? 0 : seq) + (rng.chance(0.3) ? 5 : 10);
                QString number = QStringLiteral("%1.%2").arg(page.group, 2, 10, QLatin1Char('0')).arg(seq, 3, 10, QLatin1Char('0'));
                if (n > 1 && rng.chance(0.07))
                    number += QLatin1Char('A');
                ItemSpec it = newItem(e.kind, k, number);
                if (smallPart(Info(e.kind).shape) && rng.chance(0.12))
                    it.copies = 2;
                page.items.push_back(addItem(std::move(it)));
                ++n;
            }
        }
        if (t == 0) {
            auto extra = [&](Kind kind, const QString& number, ItemSpec::Special special) {
                ItemSpec it = newItem(kind, k, number);
                it.special = special;
                it.alternatives = 0;
                page.items.push_back(addItem(std::move(it)));
            };
            auto next = [&] {
                seq += 10;
                return QStringLiteral("%1.%2").arg(page.group, 2, 10, QLatin1Char('0')).arg(seq, 3, 10, QLatin1Char('0'));
            };
            if (k == 0) {
                extra(Kind::Seal, next(), ItemSpec::DriverSeal);
                // one small part drawn twice on the page
                for (int idx : page.items)
                    if (Info(s.items[std::size_t(idx)].kind).shape == Shape::Bolt) {
                        s.items[std::size_t(idx)].copies = 2;
                        break;
                    }
            }
            if (k == 1)
                extra(Kind::ORing, next(), ItemSpec::HeaderRing);
            if (k == int(chosen.size()) - 1) {
                if (seq >= 345)
                    seq = 340;
                extra(Kind::Spacer, QStringLiteral("12.345"), ItemSpec::None);
                extra(Kind::ThrustWasher, QStringLiteral("12.345A"), ItemSpec::None);
                extra(Kind::FillerPlug, QStringLiteral("A1"), ItemSpec::None);
                extra(Kind::SpringPin, QStringLiteral("B-2"), ItemSpec::None);
            }
        }
        s.pages.push_back(std::move(page));
    }

    // Items in the component list that no page shows.
    if (t == 0) {
        auto general = [&](Kind kind, const QString& number, const QString& quantity, ItemSpec::Special special) {
            ItemSpec it = newItem(kind, -1, number);
            it.quantity = quantity;
            it.special = special;
            it.alternatives = 0;
            addItem(std::move(it));
        };
        general(Kind::Bolt, QStringLiteral("1"), QStringLiteral("4"), ItemSpec::SharedBolt);
        general(Kind::IdentPlate, QStringLiteral("2"), QStringLiteral("1"), ItemSpec::None);
        general(Kind::Lubricant, QStringLiteral("3.5"), QStringLiteral("2.5"), ItemSpec::None);
        general(Kind::Sealant, QStringLiteral("4"), QStringLiteral("A/R"), ItemSpec::None);
        general(Kind::Bolt, QStringLiteral("10"), QStringLiteral("2"), ItemSpec::SharedBolt);
    } else {
        const Kind kinds[] = {Kind::Sealant, Kind::IdentPlate, Kind::Rivet, Kind::Lubricant, Kind::WarningLabel};
        const QString quantities[] = {QStringLiteral("A/R"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("2.5"), QStringLiteral("1")};
        const int count = rng.range(2, 4), first = rng.range(0, 4);
        for (int c = 0; c < count; ++c) {
            const int k = (first + c) % 5;
            ItemSpec it = newItem(kinds[k], -1, QString::number(c + 1));
            it.quantity = quantities[k];
            addItem(std::move(it));
        }
    }

    // Short label texts on every other figure: "03.040" is labelled "40".
    if (t % 2 == 1) {
        static const QRegularExpression dotted(QStringLiteral("^\\d\\d\\.(\\d{3})(A?)$"));
        for (ItemSpec& it : s.items) {
            const QRegularExpressionMatch m = dotted.match(it.item);
            if (m.hasMatch() && it.page >= 0)
                it.shortText = QString::number(m.captured(1).toInt()) + m.captured(2);
        }
    }

    // Variants: some items left out, some replaced by another component.
    const int maxVariants = 1 + int(std::min<std::size_t>(3, type.variantSuffixes.size()));
    s.variants = t == 0 ? std::min(3, maxVariants) : (t == 3 ? 1 : (t == 1 ? 2 : rng.range(1, maxVariants)));
    for (ItemSpec& it : s.items) {
        it.excluded.assign(std::size_t(s.variants), false);
        it.substituted.assign(std::size_t(s.variants), false);
        const KindInfo& info = Info(it.kind);
        for (int v = 1; v < s.variants; ++v) {
            if (it.special != ItemSpec::None || info.shape == Shape::Housing || info.shape == Shape::Shaft)
                continue;
            if (rng.chance(0.06))
                it.excluded[std::size_t(v)] = true;
            else if (!info.standard && it.alternatives == 0 && rng.chance(0.08))
                it.substituted[std::size_t(v)] = true;
        }
    }
    if (t == 0 && s.variants > 1 && s.pages.size() > 1) {
        // Variant 1 lacks two drawn items: its figure shows them as not applicable.
        int forced = 0;
        for (auto it = s.pages[1].items.rbegin(); it != s.pages[1].items.rend() && forced < 2; ++it) {
            ItemSpec& spec = s.items[std::size_t(*it)];
            if (spec.special == ItemSpec::None && spec.alternatives == 0) {
                spec.excluded[1] = true;
                ++forced;
            }
        }
    }

    for (int k = 0; k < int(s.pages.size()); ++k) {
        std::vector<DrawnItem> drawn;
        for (int idx : s.pages[std::size_t(k)].items) {
            const ItemSpec& it = s.items[std::size_t(idx)];
            drawn.push_back({Info(it.kind).shape, it.shortText.isEmpty() ? it.item : it.shortText, it.copies});
        }
        s.layouts.push_back(LayoutPage(drawn, rng.derive(0x77 + std::uint64_t(k))));
        s.drawn.push_back(std::move(drawn));
    }
    return s;
}

}  // namespace demo::builder
