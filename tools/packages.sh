# The Debian/Ubuntu packages the build needs, and those the tests need on top.
BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libcanberra-dev)
TEST_PACKAGES=(libgtest-dev)
