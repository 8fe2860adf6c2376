#pragma once

#include <pwd.h>
#include <unistd.h>

namespace vestara::testing {

// While it lives, a test that runs as root (whom no permission bit stops) runs as the user
// "nobody", keeping root as its saved user to return to; any other user stays itself.
// Binding() is false when permission bits still do not bind.
class ScopedUnprivilegedUser {
 public:
  ScopedUnprivilegedUser() {
    if (const passwd* nobody = wasRoot_ ? getpwnam("nobody") : nullptr) {
      (void)!setresgid(nobody->pw_gid, nobody->pw_gid, 0);
      (void)!setresuid(nobody->pw_uid, nobody->pw_uid, 0);
    }
  }
  ~ScopedUnprivilegedUser() {
    if (wasRoot_ && setresuid(0, 0, 0) == 0) (void)!setresgid(0, 0, 0);
  }

  bool Binding() const { return getuid() != 0 && geteuid() != 0; }

 private:
  const bool wasRoot_ = geteuid() == 0;
};

}  // namespace vestara::testing
