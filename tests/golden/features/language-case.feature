# Language: fr
Fonctionnalité: a directive is written in lower case
Feature: so this file is English
