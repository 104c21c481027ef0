#pragma once

#include <QValidator>

namespace beste {
// Lets into the name field a name in any script, but no control characters: the high-score
// file keeps its Windows-1252 form and the whole name is kept beside it.
class TNamensPruefer : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int& position) const override;
};

} // namespace beste
