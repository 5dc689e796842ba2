#pragma once

#include "calculator/CalculatorHost.h"

#include <string>
#include <vector>

namespace quarnel::storage::test {

class FakeHost : public calculator::CalculatorHost {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void focusInput() override {}
    std::vector<std::string> messages;
};

} // namespace quarnel::storage::test
