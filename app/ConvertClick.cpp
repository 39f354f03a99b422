#include "ConvertClick.h"

#include "CategoryPanel.h"
#include "Messages.h"
#include "ToolkitServices.h"

#include <QLineEdit>

namespace zelvano::app {

void convertClick(CategoryPanel& panel, ToolkitServices& services,
                  const convert::NumberSettings& numbers) {
    const QString quantity = panel.quantityBox()->text();
    // Only the empty text is empty: blanks go on to the conversion.
    if (quantity.isEmpty()) {
        services.messageBox(emptyQuantityPrompt(), MessageStyle::Information, programTitle());
        return;
    }

    const int from = panel.selectedUnit(UnitList::From);
    const int to = panel.selectedUnit(UnitList::To);
    if (from == 0 || to == 0)
        return;

    // Equal units copy the text as it stands; doing it here keeps every
    // character, including those that have no UTF-8 form.
    if (from == to) {
        panel.showResult(quantity);
        return;
    }

    const convert::Conversion result =
        convert::ConvertQuantity(panel.category(), from, to, quantity.toStdString(), numbers);
    if (!result.ok()) {
        services.messageBox(errorPrompt(result.error, QString::fromStdString(result.description)),
                            MessageStyle::Critical, programTitle());
        return;
    }
    panel.showResult(QString::fromStdString(result.text));
}

} // namespace zelvano::app
