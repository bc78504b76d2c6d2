#include "verbes_courants.hpp"

#include <QHash>
#include <iterator>
#include <span>
#include <string_view>

#include "faits.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

const QHash<QString, int>& Rangs() {
    static const QHash<QString, int> rangs = [] {
        QHash<QString, int> r;
        const std::span<const std::string_view> courants = VerbesCourants();
        for (std::size_t i = 0; i < courants.size(); ++i) {
            const QString v = QString::fromUtf8(courants[i].data(), qsizetype(courants[i].size()));
            if (!r.contains(v)) r.insert(v, int(i));
        }
        return r;
    }();
    return rangs;
}

}  // namespace

int RangCourant(const QString& infinitif) {
    return Rangs().value(infinitif, -1);
}

QString Plie(const QString& texte) {
    return QString::fromStdString(utf8::SansAccents(texte.toLower().toStdString()));
}

}  // namespace florimot
