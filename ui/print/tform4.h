// The print window: pictures of the main, results and chart windows on one page.
#pragma once

#include <QImage>
#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <functional>

#include "ui/print/page.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class Tcokdyby;
class Tgraf;

class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    void setWindows(QWidget* main, QWidget* results, Tgraf* chart);
    // The "Co kdyby" window, printed under the others when chosen.
    void setWhatIfWindow(Tcokdyby* whatIf);

    // Captures the three windows again (on showing and on "Bílé pozadí").
    void updatepic();
    // Lays the chosen captures out on the page and in the preview.
    void compose();
    // Paints the page onto a printer as one page; false if the job did not start.
    bool printOn(QPrinter& printer) const;

    const std::array<QImage, sazbar::print::kCaptures>& captures() const { return m_captures; }
    const QImage& whatIfCapture() const { return m_whatIfCapture; }
    QLabel* whatIfPreview() const { return m_whatIfImage; }
    const QImage& pageImage() const { return m_page; }
    const sazbar::print::PageLayout& pageLayout() const { return m_layout; }
    QLabel* previewImage(int n) const { return m_images[static_cast<std::size_t>(n)]; }
    QPrinter& printer() { return m_printer; }
    // Whether "Tisk" has somewhere to print: an installed printer or a PDF file.
    bool hasPrinter() const;

    static QString noPrinterText();
    static QString printFailedText();
    // Tests see the messages here instead of in a message box.
    void setTeller(std::function<void(const QString&)> teller) { m_teller = std::move(teller); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Button1Click();  // "Tisk"
    void Button2Click();  // "Nastavení"
    void tell(const QString& text);

    QPointer<QWidget> m_main, m_results;
    QPointer<Tgraf> m_chart;
    QPointer<Tcokdyby> m_whatIf;
    QImage m_whatIfCapture;
    QLabel* m_whatIfImage = nullptr;
    std::array<QImage, sazbar::print::kCaptures> m_captures;
    QImage m_page;
    sazbar::print::PageLayout m_layout;
    QPrinter m_printer{QPrinter::HighResolution};
    std::function<void(const QString&)> m_teller;

    QFrame* Panel1 = nullptr;
    std::array<QLabel*, sazbar::print::kCaptures> m_images{};
    QCheckBox* CheckBox1 = nullptr;  // "Tisk vstupních hodnot"
    QCheckBox* CheckBox2 = nullptr;  // "Tisk výsledků"
    QCheckBox* CheckBox3 = nullptr;  // "Tisk grafu"
    QCheckBox* CheckBox4 = nullptr;  // "Bílé pozadí"
    QCheckBox* CheckBox5 = nullptr;  // "Co kdyby"
    QPushButton* Button1 = nullptr;  // "Tisk"
    QPushButton* Button2 = nullptr;  // "Nastavení"
    QPushButton* Button3 = nullptr;  // "Zavřít"
};
