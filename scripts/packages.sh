#!/usr/bin/env bash
# Sourced by the other scripts: the Debian 12 packages Vorbix needs, and a
# function that installs those of a list that are missing (with sudo when not
# root).

vorbix_packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6sql6-sqlite libsqlite3-dev fonts-liberation2
  # the Progress window's chart; brings libqt6charts6 and the OpenGL libraries it needs
  qt6-charts-dev
  # qt6-declarative-dev: Debian 12's TextToSpeech CMake package needs its QmlIntegration
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  mdbtools-dev libglib2.0-dev zlib1g-dev
  libbenchmark-dev
  dpkg-dev desktop-file-utils appstream
  dict-freedict-eng-spa dict-freedict-spa-eng
  dict-freedict-eng-fra dict-freedict-fra-eng
  dict-freedict-eng-deu dict-freedict-deu-eng
  # the German-English list the German dictionaries were made from, main senses first
  trans-de-en
  # full word lists: the blank repair of the Spanish pairs splits only into their words
  wspanish wamerican
  # the French word list: misspelt and run-together items of the French pairs are told by it
  wfrench
  # the French-German dictionary: its German words, looked up in trans-de-en, tell the
  # French pairs' main senses from the wrong ones the two small dictionaries share
  dict-freedict-fra-deu
  # the Spanish-German dictionary: the same check through German for the Spanish pairs
  dict-freedict-spa-deu
  # Apertium's English-Spanish lexicons fill and mend the Spanish pairs; lt-print
  # (in lttoolbox-dev, not in lttoolbox) prints them
  apertium-eng-spa lttoolbox-dev
)

vorbix_install_missing() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}
