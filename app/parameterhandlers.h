#pragma once

#include "qtsurface.h"

#include <QObject>

class QScrollBar;

namespace veltrin {

/// Turns the user's choices into parameter texts: each option button writes the text form of
/// its value into its field, and the scroll bar writes the animation delay.
class ParameterHandlers : public QObject
{
    Q_OBJECT

public:
    ParameterHandlers(const QtSurface::FieldEditors &fields, QScrollBar *scrollBar,
                      QObject *parent = nullptr);

public slots:
    void opOhniskoVzdalene_Click() { write(Field::OsKruh, 0.00005); }
    void opOhniskoStredni_Click() { write(Field::OsKruh, 0.00007); }
    void opOhniskoBlizke_Click() { write(Field::OsKruh, 0.0001); }
    void opK0002_Click() { write(Field::OsKruh, 0.0002); }

    void opKmitVys_Click() { write(Field::Kmitocet, 0.04); }
    void opStredni_Click() { write(Field::Kmitocet, 0.02); }
    void opNizky_Click() { write(Field::Kmitocet, 0.01); }

    void opRychla_Click() { write(Field::Spomaleni, 1); }
    void opPomalejsi_Click() { write(Field::Spomaleni, 1000000); }
    void opPomala_Click() { write(Field::Spomaleni, 3000000); }

    /// The delay count is 30 per step of the bar, plus 1: from 1 at the left end to 983011.
    void HScroll1_Change();

private:
    void write(Field field, double value);

    QtSurface::FieldEditors m_fields;
    QScrollBar *m_scrollBar;
};

} // namespace veltrin
