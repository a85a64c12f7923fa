# Sourced, from the repository's root: exports Debian's build flags as
# CPPFLAGS, CXXFLAGS and LDFLAGS, hardening included (bind now, fortified
# functions), which the package and ci presets read from the environment.
# Without -g: the programs are stripped into the package and there is no
# debug-symbol package to keep it. The flags map the current folder to "."
# in file names, so that they are the same at every configure of a checkout.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g \
    dpkg-buildflags --export=sh)"
