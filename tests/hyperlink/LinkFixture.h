#pragma once

// A shown window holding one HyperLink, with the pointer position and the
// shell replaced by values the test controls.

#include "HyperLink.h"
#include "HyperLinkPrivate.h"

#include <QLabel>
#include <QList>
#include <QPair>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        holder.resize(320, 120);
        link = new HyperLink(&holder);
        link->move(20, 20);
        link->setCaption(QStringLiteral("почта@example.org"));
        zelvano::link::HyperLinkPrivate::of(*link).setCursorSource([this] { return pointer; });
        link->setShellOpen([this](const QString& verb, const QString& target) {
            opened.append({verb, target});
        });
        pointer = holder.mapToGlobal(QPoint(300, 110));
        holder.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }

    QLabel* label() const { return link->label(); }
    QColor textColor() const {
        return label()->palette().color(QPalette::Active, QPalette::WindowText);
    }

    // The pointer moves onto the label (a real move event) and stays there.
    // It first goes elsewhere: a move to where it already is (as at the end
    // of the previous test) delivers no event.
    void enter() {
        QTest::mouseMove(&holder, QPoint(300, 110));
        const QPoint at = label()->rect().center();
        pointer = label()->mapToGlobal(at);
        QTest::mouseMove(label(), at);
    }
    // The pointer goes elsewhere in the window; one tick of the leave poll notices.
    void leave() {
        pointer = holder.mapToGlobal(QPoint(300, 110));
        link->pollPointer();
    }

    QWidget holder;
    HyperLink* link = nullptr;
    QPoint pointer;
    QList<QPair<QString, QString>> opened;
};
