// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
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
    /// Keeps room for a title the panel may show later, so that it does not widen then.
    void reserveTitle(const QString &title);
    /// The width the widest of its titles takes, in the panel's bold title font.
    int titleWidth() const;

    /// Room for the title and for minimumContentSize().
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    /// Draws the panel's content into contentRect().
    virtual void paintContent(QPainter &painter) = 0;
    /// The panel's inside, below the title.
    QRect contentRect() const;
    /// The least room inside that shows the content whole, in the panel's present font.
    virtual QSize minimumContentSize() const { return {0, 0}; }
    void changeEvent(QEvent *event) override;

private:
    QFont titleFont() const;

    QString m_title;
    QStringList m_reserved;
};

} // namespace veltrin
