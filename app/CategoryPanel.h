#pragma once

#include "Convert.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelvano {

struct CategoryLayout;

// The two lists of unit buttons of a category panel.
enum class UnitList { From, To };

// One category panel: the quantity frame with the quantity and result boxes,
// the convert button, and the "from" and "to" lists of unit buttons. Built
// from the engine's units table and the panel's layout; every control carries
// its name as objectName.
class CategoryPanel : public QWidget {
    Q_OBJECT

public:
    // Raises NumberedError 9 when the two tables do not fit together.
    CategoryPanel(const CategoryTable& table, const CategoryLayout& layout, QWidget* parent);

    Category category() const { return category_; }
    QLineEdit* quantityBox() const { return quantity_; }
    QLineEdit* resultBox() const { return result_; }
    QPushButton* convertButton() const { return button_; }
    QButtonGroup* unitGroup(UnitList list) const { return groups_[index(list)]; }
    QRadioButton* unitButton(UnitList list, int unitIndex) const;

    // UnitIndex of the selected button of a list, 0 when none is selected.
    int selectedUnit(UnitList list) const;

private:
    static std::size_t index(UnitList list) { return static_cast<std::size_t>(list); }
    // `units` in screen order.
    QWidget* buildUnitList(UnitList list, const QString& stem,
                           const std::vector<const Unit*>& units, const CategoryLayout& layout);

    Category category_;
    QLineEdit* quantity_ = nullptr;
    QLineEdit* result_ = nullptr;
    QPushButton* button_ = nullptr;
    std::array<QButtonGroup*, 2> groups_{};
};

} // namespace zelvano
