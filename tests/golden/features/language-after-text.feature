Feature: a # language: de
Funktionalität: the directive may follow text on the first line
  Angenommen x
  Given is text here
