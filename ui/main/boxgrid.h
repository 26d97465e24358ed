// The 46 input boxes on the main window's two pages, laid out from core/boxes:
// the domestic grid of the usage matrix and WAP by band with the GPRS boxes
// and the total, and the four international rows with their countries.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "core/boxes.h"
#include "core/profile.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

class BoxGrid : public QObject {
    Q_OBJECT

public:
    explicit BoxGrid(QObject* parent = nullptr);

    // The page "Vnitrostátní" with `side` at its right; the tab order reads the
    // grid row by row, then the GPRS boxes.
    QWidget* domesticPage(QWidget* side);
    // The page "Mezinárodní": per row the country, then its three boxes.
    QWidget* internationalPage();

    // Box n (1..46).
    QLineEdit* box(int n) const { return m_boxes[static_cast<std::size_t>(n - 1)]; }
    const std::array<QLineEdit*, sazbar::kBoxCount>& boxes() const { return m_boxes; }
    QLineEdit* total() const { return m_total; }  // `celkmin`
    const std::array<QComboBox*, sazbar::kIntlRows>& countries() const { return m_countries; }
    QCheckBox* internet() const { return m_internet; }

    sazbar::BoxTexts texts() const;
    sazbar::Profile profile() const;
    // Every box and the four countries; "Volání přes internet" is left alone.
    void setProfile(const sazbar::Profile& p);

    // What a screen reader says of box n (1..46).
    static QString boxName(int n);

private:
    QLineEdit* makeBox(int n, QWidget* parent);

    std::array<QLineEdit*, sazbar::kBoxCount> m_boxes{};
    std::array<QComboBox*, sazbar::kIntlRows> m_countries{};
    QLineEdit* m_total = nullptr;
    QCheckBox* m_internet = nullptr;
};
