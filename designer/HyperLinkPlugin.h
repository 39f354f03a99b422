#pragma once

// The hyperlink label in the widget box. It needs no design-time form: it
// does nothing until the pointer is over it, and clicks on a form in the
// designer never reach it.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class HyperLinkPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit HyperLinkPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    bool initialized_ = false;
};
