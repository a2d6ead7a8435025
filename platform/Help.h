#pragma once

#include <QString>

class QWidget;

// The help viewer: one topic per window, opened at the window's keyword, and a
// contents page listing them all.
namespace Help
{

void open(const QString& keyword);
void contents();
// F1 anywhere in `window` (its controls included) opens the topic `keyword`.
void bindF1(QWidget* window, const QString& keyword);

// The keyword of the topic shown last ("contents" for the contents page).
QString lastTopic();
// The viewer window, once opened.
QWidget* viewer();

} // namespace Help
