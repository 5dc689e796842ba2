#pragma once

#include <QString>

namespace quarnel::storage {

// A failed file or settings operation. `message` is the text of the error box,
// word for word; `reason` is what the system said (may be empty), for the
// window to add as detail.
struct Failure {
    QString message;
    QString reason;
};

} // namespace quarnel::storage
