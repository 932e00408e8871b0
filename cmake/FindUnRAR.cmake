# Finds Debian's UnRAR library (libunrar-dev) and provides UnRAR::UnRAR.
# The header needs _UNIX to pick its POSIX declarations; the target carries it.
find_path(UnRAR_INCLUDE_DIR NAMES unrar/dll.hpp)
find_library(UnRAR_LIBRARY NAMES unrar)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(UnRAR REQUIRED_VARS UnRAR_LIBRARY UnRAR_INCLUDE_DIR)
if(UnRAR_FOUND AND NOT TARGET UnRAR::UnRAR)
  add_library(UnRAR::UnRAR UNKNOWN IMPORTED)
  set_target_properties(UnRAR::UnRAR PROPERTIES
    IMPORTED_LOCATION "${UnRAR_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${UnRAR_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS "_UNIX")
endif()
