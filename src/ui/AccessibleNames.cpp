#include "ui/AccessibleNames.h"

#include <QHash>
#include <QWidget>

namespace forgeline {
namespace {

using Names = QHash<QString, QString>;

// Names shared by the forms, and those only the generator uses differently.
const Names& sharedNames() {
    static const Names names{
        {QStringLiteral("SCE"), QStringLiteral("Scenario Title")},
        {QStringLiteral("Summary"), QStringLiteral("Scenario Summary")},
        {QStringLiteral("Description"), QStringLiteral("Description")},
        {QStringLiteral("Objective"), QStringLiteral("Objective")},
        {QStringLiteral("Forces"), QStringLiteral("Forces")},
        {QStringLiteral("shipCount"), QStringLiteral("Ship Count")},
        {QStringLiteral("Scenarios"), QStringLiteral("Select Scenario")},
        {QStringLiteral("Nation"), QStringLiteral("Nation")},
        {QStringLiteral("ship"), QStringLiteral("Ship Class")},
        {QStringLiteral("shipname"), QStringLiteral("Ship Name")},
        {QStringLiteral("X"), QStringLiteral("X Coord")},
        {QStringLiteral("Y"), QStringLiteral("Y Coord")},
        {QStringLiteral("heading"), QStringLiteral("Heading")},
        {QStringLiteral("warp"), QStringLiteral("Warp")},
        {QStringLiteral("playcomp"), QStringLiteral("Controller")},
    };
    return names;
}

// The generator's Min/Max boxes: "MinFRanX" is "Friendly Range X Min #".
QString generatorBoxName(const QString& name) {
    static const QHash<QString, QString> rows{
        {QStringLiteral("Fr"), QStringLiteral("Friendly Ships")},
        {QStringLiteral("FRanX"), QStringLiteral("Friendly Range X")},
        {QStringLiteral("FRanY"), QStringLiteral("Friendly Range Y")},
        {QStringLiteral("En"), QStringLiteral("Enemy Ships")},
        {QStringLiteral("Nat"), QStringLiteral("Enemy Nations")},
        {QStringLiteral("RanX"), QStringLiteral("Enemy Range X")},
        {QStringLiteral("RanY"), QStringLiteral("Enemy Range Y")},
    };
    const QString end = name.left(3);
    if (end != QLatin1String("Min") && end != QLatin1String("Max")) {
        return {};
    }
    const QString row = rows.value(name.mid(3));
    return row.isEmpty() ? QString() : row + QLatin1Char(' ') + end + QStringLiteral(" #");
}

} // namespace

void GiveAccessibleNames(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        QString spoken = sharedNames().value(name);
        if (spoken.isEmpty()) {
            spoken = generatorBoxName(name);
        }
        if (!spoken.isEmpty() && widget->accessibleName().isEmpty()) {
            widget->setAccessibleName(spoken);
        }
    }
}

} // namespace forgeline
