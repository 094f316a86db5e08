#pragma once

#include <QString>

// True when word takes "an", false when it takes "a". Decided on the first
// letters, with the exceptions English spelling needs (hour, unicorn, ...).
bool ChooseArticle(const QString &word);
