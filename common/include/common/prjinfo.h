#pragma once

#include <QString>

/// The short summary shown in the list of recent projects.
struct PrjInfo
{
    QString name;
    /// The project's music described as one text.
    QString audio;
    int slidesNumber = 0;
};
