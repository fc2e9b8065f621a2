# QELP: `make play` to play, `make test` to run every test.
BUILD  ?= build
JOBS   ?= 2
RUNDIR := $(BUILD)/run
# A screen large enough for the game and 24-bit colour for OpenGL.
XVFB_TELA := -screen 0 1280x1024x24

.PHONY: all play test setup build bench clean install deb

all: build

setup:
	@./tools/instala-dependencias.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(RUNDIR) && ./qelp

# Without a display the tests run under Xvfb (OpenGL through Mesa's software renderer).
test: build
	@if [ -n "$$DISPLAY" ]; then \
	  cd $(BUILD) && ctest --output-on-failure -j$(JOBS); \
	else \
	  cd $(BUILD) && xvfb-run -a -s "$(XVFB_TELA)" ctest --output-on-failure -j$(JOBS); \
	fi

# Installs for every account; PREFIX=~/.local installs for one user only.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD): apt-get install ./$(BUILD)/qelp_*.deb
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
