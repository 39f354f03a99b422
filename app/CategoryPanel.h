#pragma once

#include "Convert.h"
#include "QuantityBox.h"
#include "ResultBox.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace zelvano::app {

class Announcer;
struct CategoryLayout;

// The two lists of unit buttons of a category panel.
enum class UnitList { From, To };

// One category panel: the quantity frame with the quantity and result boxes,
// the convert button, and the "from" and "to" lists of unit buttons. Built
// from the engine's units table and the panel's layout; every control carries
// its name as objectName.
//
// A result stays until the next click of the button, whatever is typed or
// selected meanwhile. Enter or Return in the quantity box, on a unit button or
// on the convert button clicks the button.
class CategoryPanel : public QWidget {
    Q_OBJECT

public:
    // Raises NumberedError 9 when the two tables do not fit together.
    CategoryPanel(const convert::CategoryTable& table, const CategoryLayout& layout,
                  QWidget* parent);

    convert::Category category() const { return category_; }
    QuantityBox* quantityBox() const { return quantity_; }
    ResultBox* resultBox() const { return result_; }
    // Writes a new result into the result box and has a screen reader say it,
    // also when it equals the one shown.
    void showResult(const QString& text);
    QPushButton* convertButton() const { return button_; }
    QButtonGroup* unitGroup(UnitList list) const { return groups_[index(list)]; }
    QRadioButton* unitButton(UnitList list, int unitIndex) const;

    // UnitIndex of the selected button of a list, 0 when none is selected.
    int selectedUnit(UnitList list) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(UnitList list) { return static_cast<std::size_t>(list); }
    // `units` in screen order.
    QWidget* buildUnitList(UnitList list, const QString& stem,
                           const std::vector<const convert::Unit*>& units,
                           const CategoryLayout& layout);

    convert::Category category_;
    QuantityBox* quantity_ = nullptr;
    ResultBox* result_ = nullptr;
    Announcer* announcer_ = nullptr;
    QPushButton* button_ = nullptr;
    std::array<QButtonGroup*, 2> groups_{};
};

} // namespace zelvano::app
