#pragma once

#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace sazbar {

// A fixed window of help text: headed sections and a "Zavřít" button that
// hides it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const QString& caption, QWidget* parent = nullptr);

    QPushButton* closeButton() const { return m_close; }

protected:
    // An empty heading gives a paragraph without a heading.
    void addSection(const QString& heading, const QString& text);
    // Call once all sections are added: fixes the window's size.
    void finish();

private:
    QVBoxLayout* m_text = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace sazbar

// General help of the main window (page "Vnitrostátní").
class Thelp : public sazbar::HelpWindow {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);
};

// Help for calls abroad (page "Mezinárodní").
class Tzahr_help : public sazbar::HelpWindow {
    Q_OBJECT
public:
    explicit Tzahr_help(QWidget* parent = nullptr);
};

// Help of the results window.
class TForm2 : public sazbar::HelpWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

// Help of the chart window.
class Tgraph_help : public sazbar::HelpWindow {
    Q_OBJECT
public:
    explicit Tgraph_help(QWidget* parent = nullptr);
};
