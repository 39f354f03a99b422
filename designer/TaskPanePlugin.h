#pragma once

// The task pane in the widget box. Created for the designer, the pane runs
// in its design-time form and shows a sample bar; created for a form loader
// in a program, it is the plain control.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TaskPanePlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit TaskPanePlugin(QObject* parent = nullptr);

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
