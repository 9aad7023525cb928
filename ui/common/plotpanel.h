// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace veltrin {

/// A white panel with a thin border and a title, in which a close-up view draws; all of them
/// share its look and margins.
class PlotPanel : public QWidget
{
    Q_OBJECT

public:
    /// Space between the panel's border and what it shows, pixels.
    static constexpr int margin = 10;
    /// Text and lines inside the panel, which stays white whatever the desktop's scheme.
    static QColor ink();
    static QColor faintInk();

    explicit PlotPanel(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *event) override;
    /// Draws the panel's content into contentRect().
    virtual void paintContent(QPainter &painter) = 0;
    /// The panel's inside, below the title.
    QRect contentRect() const;

private:
    QString m_title;
};

} // namespace veltrin
