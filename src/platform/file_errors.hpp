#pragma once
// The C library's errno values as the installation's error codes.
namespace vx::platform {

int error_from_errno(int e);

}  // namespace vx::platform
