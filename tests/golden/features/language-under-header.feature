# Copyright 2024 The Authors
# Licensed under the MIT licence.

#  language  :  fr
Fonctionnalité: the first directive below the licence header counts, blanks around its colon
  Scénario: s
    Soit x
    Given is text here
# language: de
    Angenommen is text here
