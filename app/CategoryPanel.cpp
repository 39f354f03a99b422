#include "CategoryPanel.h"

#include "accessibility/Announcer.h"
#include "accessibility/PanelAccessible.h"
#include "PanelLayout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace zelvano::app {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString listSuffix(UnitList list) {
    return list == UnitList::From ? QStringLiteral("From") : QStringLiteral("To");
}

// A unit button reacts to a click anywhere in its rectangle, not only on its
// indicator and caption: the rows are narrow and the captions short.
class UnitButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const TwipsRect& rect) {
    widget->setObjectName(name);
    widget->setGeometry(toPixels(rect));
    return widget;
}

// The units in screen order. Every row from 1 to the number of units must be
// used once and every listed width must name a unit of the category, or the
// panel would overlap buttons or lose one.
std::vector<const convert::Unit*> unitsByRow(const convert::CategoryTable& table,
                                             const CategoryLayout& layout) {
    const auto count = static_cast<int>(table.units.size());
    std::vector<const convert::Unit*> byRow(table.units.size(), nullptr);
    for (const convert::Unit& unit : table.units) {
        if (unit.row < 1 || unit.row > count || byRow[unit.row - 1] != nullptr)
            raiseRuntimeError(RuntimeError::SubscriptOutOfRange, "frmMain");
        byRow[unit.row - 1] = &unit;
    }
    for (const UnitWidth& width : layout.widths)
        if (width.unitIndex < 1 || width.unitIndex > count)
            raiseRuntimeError(RuntimeError::SubscriptOutOfRange, "frmMain");
    return byRow;
}

// Enter and Return from the main keyboard or the keypad, pressed once.
bool isConvertKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && !key.isAutoRepeat() &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

CategoryPanel::CategoryPanel(const convert::CategoryTable& table, const CategoryLayout& layout,
                             QWidget* parent)
    : QWidget(parent)
    , category_(table.category) {
    installPanelAccessibility();
    const std::vector<const convert::Unit*> units =
        unitsByRow(table, layout); // checked before building
    const QString stem = fromUtf8(table.stem);
    setObjectName(QStringLiteral("pic") + stem);
    setGeometry(toPixels(WindowLayout::Panel));

    auto* quantityFrame = place(new QGroupBox(QStringLiteral("Количество единиц:"), this),
                                fromUtf8(layout.quantityFrame), PanelTemplate::QuantityFrame);
    quantity_ = place(new QuantityBox(QStringLiteral("1"), quantityFrame),
                      QStringLiteral("txt%1From").arg(stem), PanelTemplate::QuantityBox);
    quantity_->setAccessibleName(QStringLiteral("Количество единиц"));
    result_ = place(new ResultBox(quantityFrame), QStringLiteral("txt%1To").arg(stem),
                    PanelTemplate::ResultBox);
    result_->setAccessibleName(QStringLiteral("Результат"));
    announcer_ = new Announcer(this);

    // Created after the frame so that it lies above it, between the two boxes.
    button_ = place(new QPushButton(QStringLiteral("Конвертировать"), this),
                    fromUtf8(layout.convertButton), PanelTemplate::ConvertButton);
    button_->setAutoDefault(false);

    QWidget* from = buildUnitList(UnitList::From, stem, units, layout);
    QWidget* to = buildUnitList(UnitList::To, stem, units, layout);

    quantity_->installEventFilter(this);
    button_->installEventFilter(this);

    // Keyboard order follows the work: quantity, from, to, convert, result.
    QWidget* previous = quantity_;
    for (QWidget* group : {from, to})
        for (QWidget* button : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            setTabOrder(previous, button);
            previous = button;
        }
    setTabOrder(previous, button_);
    setTabOrder(button_, result_);
}

bool CategoryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (isConvertKey(*event)) {
        button_->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CategoryPanel::buildUnitList(UnitList list, const QString& stem,
                                      const std::vector<const convert::Unit*>& units,
                                      const CategoryLayout& layout) {
    const bool isFrom = list == UnitList::From;
    const int frameLeft = isFrom ? PanelTemplate::FromFrameLeft : PanelTemplate::ToFrameLeft;

    auto* frame = place(new QGroupBox(isFrom ? QStringLiteral("Из:") : QStringLiteral("В:"), this),
                        fromUtf8(isFrom ? layout.fromFrame : layout.toFrame),
                        PanelTemplate::unitFrame(frameLeft, layout.frameHeight));
    auto* container =
        place(new QWidget(frame), fromUtf8(isFrom ? layout.fromGroup : layout.toGroup),
              PanelTemplate::group(layout.groupWidth, layout.frameHeight));

    auto* group = new QButtonGroup(container);
    group->setExclusive(true);
    groups_[index(list)] = group;

    const QString namePattern = QStringLiteral("opt%1%2%3").arg(stem, listSuffix(list));
    int row = 0;
    for (const convert::Unit* unit : units) {
        auto* button =
            place(new UnitButton(fromUtf8(unit->caption), container), namePattern.arg(unit->index),
                  PanelTemplate::unitButton(row++, layout.widthOf(unit->index)));
        group->addButton(button, unit->index);
        button->installEventFilter(this);
    }
    return container;
}

void CategoryPanel::showResult(const QString& text) {
    result_->setText(text);
    announcer_->announce(text);
}

QRadioButton* CategoryPanel::unitButton(UnitList list, int unitIndex) const {
    return qobject_cast<QRadioButton*>(unitGroup(list)->button(unitIndex));
}

int CategoryPanel::selectedUnit(UnitList list) const {
    return std::max(unitGroup(list)->checkedId(), 0);
}

} // namespace zelvano::app
