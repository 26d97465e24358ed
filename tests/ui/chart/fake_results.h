// A stand-in for the results window: the 49 result fields and the fixed-line
// check box, named as the real window names them, plus its buttons.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "pricing/engine.h"

namespace sazbar::test {

class FakeResults : public QWidget {
public:
    FakeResults() {
        setObjectName(QStringLiteral("form3"));
        resize(721, 474);
        for (int n = 0; n < kTariffCount; ++n) {
            const auto id = kTariffs[static_cast<std::size_t>(n)].id;
            auto* e = new QLineEdit(QStringLiteral("xx"), this);
            e->setObjectName(QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())));
            e->setReadOnly(true);
            e->setGeometry(20 + (n / 17) * 230, 40 + (n % 17) * 22, 80, 20);
        }
        CheckBox1 = new QCheckBox(QStringLiteral("Vypočítat Český Telecom"), this);
        CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
        CheckBox1->setGeometry(20, 430, 200, 20);
        const char* buttons[] = {"Graf", "Zavřít", "Tisk", "Nápověda"};
        for (int n = 0; n < 4; ++n) {
            auto* b = new QPushButton(QString::fromUtf8(buttons[n]), this);
            b->setObjectName(QStringLiteral("Button%1").arg(n + 1));
            b->setGeometry(260 + n * 100, 430, 90, 30);
        }
    }

    QLineEdit* field(const char* id) const { return findChild<QLineEdit*>(QString::fromLatin1(id)); }

    // Shows a pricing run's result the way the results window does.
    void show(const RunResult& r, bool fixedLine) {
        CheckBox1->setChecked(fixedLine);
        for (int n = 0; n < kTariffCount; ++n) {
            const auto id = kTariffs[static_cast<std::size_t>(n)].id;
            const TariffResult& f = r.fields[static_cast<std::size_t>(n)];
            auto* e = findChild<QLineEdit*>(QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())));
            e->setText(QString::fromStdString(f.text()));
            mark(e, f.unsupported);
        }
    }

    static void mark(QLineEdit* e, bool unsupported) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, QApplication::palette().color(unsupported ? QPalette::ToolTipBase : QPalette::Base));
        e->setPalette(p);
    }

    QCheckBox* CheckBox1 = nullptr;
};

}  // namespace sazbar::test
