@a b
bad
Feature: x
