#pragma once

#include <QModelIndex>

// The index of the item in the model beneath every sorting or filtering proxy that a view shows.
QModelIndex sourceIndex(QModelIndex index);
