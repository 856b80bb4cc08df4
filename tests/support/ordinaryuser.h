#pragma once

#include <functional>

namespace vatro::testing {

// Runs the body in a child process as an ordinary user, where the rights of files count
// (root may read and write anywhere); the body's result, 98 when the child did not end
// normally, 99 when it could not become that user.
int asOrdinaryUser(const std::function<int()>& body);

} // namespace vatro::testing
