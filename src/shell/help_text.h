#pragma once
#include <QString>

// The help window's texts, lines ending in carriage return and line feed.
QString helpText();
QString helpGreeting();
